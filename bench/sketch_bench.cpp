// One mouse move over the phase image with the longest preview: the sketch
// redrawn, the marker, 32 chords and 33 bounces, and both readout texts.
#include "sketch/sketch.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_MouseMovePreview32(benchmark::State& bench)
{
    ProgramState state;
    buildGeometry(state.geometry, state.window, 0.5, 2.0);
    const double L = state.geometry.sEnd4;
    state.window = PhaseWindow{0.0, L, 0.0, kPi, 778.0 / L, 666.0 / kPi};
    state.runCounter = 1;
    Canvas sketch(kSketchWidth, kSketchHeight);
    std::string label8, label9;
    MainView view;
    view.label8 = [&](const std::string& t) { label8 = t; };
    view.label9 = [&](const std::string& t) { label9 = t; };

    int i = 0;
    for (auto _ : bench) {
        // Alternate between pixels on different arcs and angles.
        const bool odd = (i++ & 1) != 0;
        cursorMove(state, sketch, odd ? 400 : 150, odd ? 300 : 420, 32, view);
        benchmark::DoNotOptimize(state.billiard.x);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_MouseMovePreview32)->Unit(benchmark::kMicrosecond);

} // namespace
