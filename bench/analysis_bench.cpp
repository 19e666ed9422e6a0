// The growth series' cost: 50,000 bounces with the block product against
// 50,000 bare bounces from the same point. The ratio (product / bare) is
// printed at the end; it must stay at or below 1.5.
#include "dynamics/boundary.h"
#include "dynamics/orbit_analysis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kBlockSize = 500;
constexpr int kBlockCount = 100;

struct Start {
    TableGeometry g;
    BilliardState st;
    Start()
    {
        PhaseWindow window;
        buildGeometry(g, window, 0.5, 2.0);
        boundaryPoint(st, g, std::cos(1.1), 1.3);
    }
};

double bareSeconds = 0, seriesSeconds = 0;

void BM_BareBounces(benchmark::State& state)
{
    const Start start;
    for (auto _ : state) {
        BilliardState st = start.st;
        for (int i = 0; i < kBlockSize * kBlockCount; ++i)
            bounce(st, start.g);
        benchmark::DoNotOptimize(st.s);
        benchmark::DoNotOptimize(st.theta);
    }
}

void BM_GrowthSeries(benchmark::State& state)
{
    const Start start;
    const BallState reference = ballState(start.st);
    for (auto _ : state) {
        BilliardState st = start.st;
        double last = 0;
        growthSeries(st, start.g, reference, kBlockSize, kBlockCount, [&](int, double v) { last = v; });
        benchmark::DoNotOptimize(last);
    }
}

BENCHMARK(BM_BareBounces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrowthSeries)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration and prints their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            if (run.benchmark_name().rfind("BM_BareBounces", 0) == 0)
                bareSeconds = seconds;
            else if (run.benchmark_name().rfind("BM_GrowthSeries", 0) == 0)
                seriesSeconds = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (bareSeconds > 0 && seriesSeconds > 0)
        std::printf("series / bare bounces: %.3f (limit 1.5)\n", seriesSeconds / bareSeconds);
    return 0;
}
