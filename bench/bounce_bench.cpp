// Nanoseconds per bounce of the billiard map on two representative tables.
#include "dynamics/boundary.h"
#include "dynamics/bounce.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_Bounce(benchmark::State& state)
{
    TableGeometry g;
    PhaseWindow window;
    buildGeometry(g, window, 0.5, static_cast<double>(state.range(0)));
    BilliardState st;
    boundaryPoint(st, g, std::cos(0.7), 1.0);
    for (auto _ : state) {
        bounce(st, g);
        benchmark::DoNotOptimize(st.s);
        benchmark::DoNotOptimize(st.theta);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Bounce)->Arg(2)->Arg(10);

} // namespace
