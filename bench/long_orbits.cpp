// Long orbits over the series grid and a few tables near the circle, checking
// the invariants of the bounce map on every bounce. Usage:
//   vellacor-long-orbits [bounces per table, default 10000000] [threads]
#include "dynamics/orbit_properties.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Job {
    std::string group;
    double b, rr;
    OrbitProperties result;
};

void printLine(const char* label, const OrbitProperties& p, int tables)
{
    std::printf("%-16s tables %4d  bounces %13lld  nonfinite %lld  offcircle %lld  theta %lld  s %lld  "
                "failed %lld  noarc %lld  worst gap %.3g\n",
                label, tables, static_cast<long long>(p.bounces), static_cast<long long>(p.notFinite),
                static_cast<long long>(p.offCircle), static_cast<long long>(p.thetaOutside),
                static_cast<long long>(p.sOutside), static_cast<long long>(p.failedBounces),
                static_cast<long long>(p.noArc), p.worstCircleGap);
}

} // namespace

int main(int argc, char** argv)
{
    const long long n = argc > 1 ? std::atoll(argv[1]) : 10000000LL;
    unsigned threads = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : std::thread::hardware_concurrency();
    if (threads == 0)
        threads = 1;

    std::vector<Job> jobs;
    // Integer steps: accumulating 0.05 would drift off the grid the series uses.
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j < 40; ++j) {
            char group[32];
            std::snprintf(group, sizeof group, "grid b=%.2f", 0.50 + 0.05 * i);
            jobs.push_back({group, 0.50 + 0.05 * i, 10.00 + 0.05 * j, {}});
        }
    for (double b : {0.3, 0.6, 1.0})
        for (double rr : {1.0, 1.001, 1.05})
            jobs.push_back({"near circle", b, rr, {}});

    const auto start = std::chrono::steady_clock::now();
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t k; (k = next.fetch_add(1)) < jobs.size();) {
            Job& job = jobs[k];
            TableGeometry g;
            PhaseWindow window;
            buildGeometry(g, window, job.b, job.rr);
            BilliardState st;
            boundaryPoint(st, g, std::cos(45.0 * kPi / 180.0), 1.0);
            job.result = checkOrbit(g, st, n);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    for (auto& t : pool)
        t.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    OrbitProperties total;
    int totalTables = 0;
    for (std::size_t k = 0; k < jobs.size();) {
        OrbitProperties group;
        int tables = 0;
        std::size_t e = k;
        for (; e < jobs.size() && jobs[e].group == jobs[k].group; ++e, ++tables)
            addTo(group, jobs[e].result);
        printLine(jobs[k].group.c_str(), group, tables);
        for (std::size_t m = k; m < e; ++m)
            if (!jobs[m].result.holds() || jobs[m].result.noArc > 0)
                std::printf("  b=%.3f rr=%.3f: %s, noarc %lld\n", jobs[m].b, jobs[m].rr,
                            jobs[m].result.holds() ? "holds" : "FAILS",
                            static_cast<long long>(jobs[m].result.noArc));
        addTo(total, group);
        totalTables += tables;
        k = e;
    }
    printLine("total", total, totalTables);
    std::printf("%lld bounces per table, %u threads, %.1f s\n", n, threads, seconds);
    return total.holds() ? 0 : 1;
}
