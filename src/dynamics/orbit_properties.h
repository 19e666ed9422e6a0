#pragma once

// Invariants of a long orbit, counted rather than asserted so that a batch
// over many tables can report every table that breaks one.

#include "dynamics/bounce.h"
#include "dynamics/boundary.h"

#include <cmath>
#include <cstdint>

struct OrbitProperties {
    std::int64_t bounces = 0;
    std::int64_t notFinite = 0;    // s, theta, the point or the direction is NaN or infinite
    std::int64_t offCircle = 0;    // hit further than 1e-9 from its arc's circle
    std::int64_t thetaOutside = 0; // theta outside [0, pi]
    std::int64_t sOutside = 0;     // s outside [0, L] by more than 1e-9
    std::int64_t noArc = 0;        // no arc accepted the path: the ball stalls at the last hit
    std::int64_t failedBounces = 0;
    double worstCircleGap = 0.0;

    bool holds() const { return notFinite + offCircle + thetaOutside + sOutside + failedBounces == 0; }
};

// Runs `count` bounces on the built table g from the state st, which must hold
// a launch. The no-arc probe repeats the arc search on a copy with the arc
// index cleared, since after a miss bounce() cannot tell it from a real hit.
inline OrbitProperties checkOrbit(const TableGeometry& g, BilliardState& st, std::int64_t count)
{
    constexpr double tol = 1e-9;
    const double L = g.perimeter();
    OrbitProperties p;
    for (std::int64_t i = 0; i < count; ++i) {
        BilliardState probe = st;
        probe.arcIndex = 0;
        nextHit(probe, g);
        if (probe.arcIndex == 0)
            ++p.noArc;

        ++p.bounces;
        if (!bounce(st, g)) {
            ++p.failedBounces;
            continue;
        }
        if (!std::isfinite(st.s) || !std::isfinite(st.theta) || !std::isfinite(st.x) || !std::isfinite(st.y)
            || !std::isfinite(st.vx) || !std::isfinite(st.vy)) {
            ++p.notFinite;
            continue;
        }
        const double gap = std::fabs(std::hypot(st.hitX - st.hitCx, st.hitY - st.hitCy) - st.hitRadius);
        if (gap > p.worstCircleGap)
            p.worstCircleGap = gap;
        if (gap > tol)
            ++p.offCircle;
        if (!(st.theta >= 0.0 && st.theta <= kPi))
            ++p.thetaOutside;
        if (!(st.s >= -tol && st.s <= L + tol))
            ++p.sOutside;
    }
    return p;
}

inline void addTo(OrbitProperties& sum, const OrbitProperties& p)
{
    sum.bounces += p.bounces;
    sum.notFinite += p.notFinite;
    sum.offCircle += p.offCircle;
    sum.thetaOutside += p.thetaOutside;
    sum.sOutside += p.sOutside;
    sum.noArc += p.noArc;
    sum.failedBounces += p.failedBounces;
    if (p.worstCircleGap > sum.worstCircleGap)
        sum.worstCircleGap = p.worstCircleGap;
}
