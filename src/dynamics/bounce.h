#pragma once

// The bounce map. Inline on purpose: runs apply it a million times per click,
// and each call is a handful of square roots and one arcsine and arccosine.

#include "dynamics/billiard_state.h"
#include "geometry/table_geometry.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

// Where a grazing hit would push |cosTheta| a rounding error past 1, the
// square root and arccosine would lose the path to NaN for good.
inline double clampCos(double c) { return std::clamp(c, -1.0, 1.0); }

// Intersects the path from (x, y) along (vx, vy) with the circle of arc j and
// accepts the far intersection when it lies on arc j. Returns j or 0.
inline int tryArc(BilliardState& st, const TableGeometry& g, int j)
{
    double cx, cy, rad;
    switch (j) {
    case 1: cx = g.x1; cy = g.y1; rad = g.r; break;
    case 2: cx = g.x2; cy = g.y2; rad = g.R8; break;
    case 3: cx = g.x3; cy = g.y3; rad = g.R; break;
    case 4: cx = g.x4; cy = g.y4; rad = g.R8; break;
    default: return 0;
    }
    const double B = st.vy * st.y - cy * st.vy + st.vx * st.x - cx * st.vx;
    const double K = (st.x - cx) * (st.x - cx) + (st.y - cy) * (st.y - cy) - rad * rad;
    if (B * B < K)
        return 0;
    const double root = std::sqrt(B * B - K);
    const double t1 = root + (-B);
    const double t2 = -B - root;
    st.flight = t1 > t2 ? t1 : t2;

    const double hy = st.flight * st.vy + st.y;
    const double hx = st.flight * st.vx + st.x;
    const double yTop = g.corner2.y;
    const double yBottom = g.corner3.y;
    bool onArc;
    switch (j) {
    case 1: onArc = hy >= yTop; break;
    case 2: onArc = yBottom <= hy && hy <= yTop && hx <= g.corner2.x; break;
    case 3: onArc = hy <= yBottom; break;
    default: onArc = yBottom <= hy && hy <= yTop && hx >= g.corner1.x; break;
    }
    if (!onArc)
        return 0;
    st.hitX = st.flight * st.vx + st.x;
    st.hitY = st.vy * st.flight + st.y;
    st.hitCx = cx;
    st.hitCy = cy;
    st.hitRadius = rad;
    st.arcIndex = j;
    return j;
}

// The first arc in the order 1..4 that accepts takes the hit; when none does,
// the hit fields keep the previous bounce.
inline void nextHit(BilliardState& st, const TableGeometry& g)
{
    for (int j = 1; j <= 4; ++j)
        if (tryArc(st, g, j))
            return;
}

// Tangent, s, cosTheta, reflected direction and theta at a hit. Returns false
// for an arc index outside 1..4, which only happens before any launch or hit:
// the caller reports "problem!".
inline bool reflectAtHit(BilliardState& st, const TableGeometry& g, double hx, double hy,
                         double cx, double cy, double rad, int j)
{
    const double pi = kPi;
    // The slope always divides by the larger offset from the centre.
    double tx, ty;
    if (std::fabs(hx - cx) > std::sqrt(2.0) * rad * 0.5) {
        const double m = -(hy - cy) / (hx - cx);
        const double q = std::sqrt(m * m + 1.0);
        if (hx > cx) { tx = m / q; ty = 1.0 / q; }
        else { tx = -m / q; ty = -1.0 / q; }
    } else {
        const double m = -(hx - cx) / (hy - cy);
        const double q = std::sqrt(m * m + 1.0);
        if (hy > cy) { tx = -1.0 / q; ty = -m / q; }
        else { tx = 1.0 / q; ty = m / q; }
    }
    st.tx = tx;
    st.ty = ty;

    double hitAngle;
    switch (j) {
    case 1:
        hitAngle = std::asin((hx - g.x1) / g.r);
        st.s = (g.delta - hitAngle) * g.r;
        break;
    case 2:
        hitAngle = std::asin((hy - g.y2) / g.R8) - g.legTilt;
        st.s = 2.0 * g.delta * g.r + (g.sideHalfAngle - hitAngle) * g.R8;
        break;
    case 3:
        if (std::fabs(hx - cx) > rad / std::sqrt(2.0))
            hitAngle = hx > cx ? std::asin((g.y3 - hy) / g.R) - pi * 0.5
                               : std::asin((hy - g.y3) / g.R) + pi * 0.5;
        else
            hitAngle = std::asin(g.x3 - hx / g.R);
        st.s = 2.0 * g.delta * g.r + 2.0 * g.sideHalfAngle * g.R8 + (g.bottomHalfAngle - hitAngle) * g.R;
        break;
    case 4:
        hitAngle = std::asin((g.y4 - hy) / g.R8) + g.legTilt;
        st.s = 2.0 * g.delta * g.r + 2.0 * g.sideHalfAngle * g.R8 + 2.0 * g.bottomHalfAngle * g.R
               + (g.sideHalfAngle - hitAngle) * g.R8;
        break;
    default:
        return false;
    }

    const double c = clampCos(tx * st.vx + ty * st.vy);
    const double w = std::sqrt(1.0 - c * c);
    st.cosTheta = c;
    st.newVx = c * tx - w * ty;
    st.newVy = w * tx + c * ty;
    st.theta = std::acos(c);
    return true;
}

// One application of the billiard map, the same four steps for every caller.
// Afterwards s, theta, flight, hitRadius and the hit point describe the bounce.
inline bool bounce(BilliardState& st, const TableGeometry& g)
{
    nextHit(st, g);
    if (!reflectAtHit(st, g, st.hitX, st.hitY, st.hitCx, st.hitCy, st.hitRadius, st.arcIndex)) [[unlikely]]
        return false;
    st.x = st.hitX;
    st.y = st.hitY;
    st.vx = st.newVx;
    st.vy = st.newVy;
    return true;
}

// The text the program reports when the bounce map meets an impossible arc.
inline constexpr const char* kProblemText = "problem!";

// That failure as the callers of long loops see it: the handler stops and the
// front end reports "problem!" (the desktop shows it, the CLI exits with 1).
class BounceProblem : public std::runtime_error {
public:
    BounceProblem() : std::runtime_error(kProblemText) {}
};

inline void bounceOrThrow(BilliardState& st, const TableGeometry& g)
{
    if (!bounce(st, g)) [[unlikely]]
        throw BounceProblem();
}
