// A go-run of a million bounces with its marks (and with data rows) against a
// million bare bounces, in one run so the ratio is what counts.
#include "dynamics/boundary.h"
#include "dynamics/bounce.h"
#include "phase/orbit_run.h"
#include "phase/panel.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

namespace {

constexpr long kBounces = 1000000;
const PanelTexts kTexts{"0.5", "2", "1", "45", "1000"};

void BM_BareBounces(benchmark::State& state)
{
    TableGeometry g;
    PhaseWindow window;
    buildGeometry(g, window, 0.5, 2.0);
    BilliardState st;
    boundaryPoint(st, g, std::cos(45.0 * kPi / 180.0), 1.0);
    for (auto _ : state) {
        for (long i = 0; i < kBounces; ++i) {
            bounce(st, g);
            benchmark::DoNotOptimize(st.s);
            benchmark::DoNotOptimize(st.theta);
        }
    }
    state.SetItemsProcessed(state.iterations() * kBounces);
}

void goRuns(benchmark::State& state, bool dataFile)
{
    const auto dir = std::filesystem::temp_directory_path() / "vellacor-run-bench";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    ProgramState program;
    Canvas phase(kPhaseImageWidth, kPhaseImageHeight);
    MainView view;
    enterParameters(program, kTexts, view);
    const RunControls controls{.dataFile = dataFile, .grid = false};
    for (auto _ : state) {
        // Each run launches afresh, so the data file is open for its rows.
        program.resume = ResumeState{};
        runGo(program, phase, kTexts, controls, view);
    }
    state.SetItemsProcessed(state.iterations() * kBounces);
}

void BM_GoRunWithMarks(benchmark::State& state) { goRuns(state, false); }
void BM_GoRunWithMarksAndDataFile(benchmark::State& state) { goRuns(state, true); }

BENCHMARK(BM_BareBounces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoRunWithMarks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoRunWithMarksAndDataFile)->Unit(benchmark::kMillisecond);

} // namespace
