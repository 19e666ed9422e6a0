#pragma once

// The analyses built on the bounce map: periodic orbit and its stability, the
// growth of the linearised map along an orbit, and how soon an orbit comes
// near a corner. Standard library only; the texts are those the labels show.

#include "dynamics/billiard_state.h"
#include "dynamics/bounce.h"
#include "geometry/table_geometry.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

// The linearised map along an orbit, row by row; starts as the identity.
struct MonodromyMatrix {
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1;
};

// Multiplies m from the left by the step matrix [[p, q], [l, 1]] of one bounce
// with chord length l = flight onto an arc of the given radius at angle theta.
// k stays R cos(pi/2 - theta) rather than R sin(theta): the two round
// differently, and results files made earlier must come out the same.
inline void applyStep(MonodromyMatrix& m, double flight, double radius, double theta)
{
    const double k = radius * std::cos(kPi / 2 - theta);
    const double p = 1 - 2 * flight / k;
    const double q = -2 / k;
    const double m11 = m.m11, m12 = m.m12;
    m.m11 = p * m11 + q * m.m21;
    m.m12 = p * m12 + q * m.m22;
    m.m21 = flight * m11 + m.m21;
    m.m22 = flight * m12 + m.m22;
}

// A hit along the tangent: the step matrix divides by sin(theta) = 0.
inline bool grazes(double theta) { return theta <= 0.0 || theta >= kPi; }

// Position and direction of the ball: the start and reference states.
struct BallState {
    double x = 0, y = 0, vx = 0, vy = 0;
};

inline BallState ballState(const BilliardState& st) { return {st.x, st.y, st.vx, st.vy}; }
inline void setBall(BilliardState& st, const BallState& b)
{
    st.x = b.x;
    st.y = b.y;
    st.vx = b.vx;
    st.vy = b.vy;
}

// Closeness tolerance from the sensitivity track bar (-50 gives 0.05).
double toleranceFromPosition(int trackBarPosition);

// ---- Periodic orbit ---------------------------------------------------------

inline constexpr int kReturnSearchLimit = 1000;
// A period of 1000 doubles as "no period found".
inline constexpr int kNoPeriod = 1000;

// Bounces (advancing the state) until all four of x, y, vx, vy are strictly
// within tolerance of `start`, or kReturnSearchLimit bounces; the count.
int returnCount(BilliardState& st, const TableGeometry& g, const BallState& start, double tolerance);
// The largest i in 1..min(counts) dividing the counts of the searches that
// found a return (below kReturnSearchLimit); kNoPeriod when none did, 0 when
// a count is below 1.
int periodFromCounts(int c1, int c2, int c3);
std::string searchedPeriodHeader(int period, int c1, int c2, int c3);
std::string typedPeriodHeader(int period);

struct Monodromy {
    MonodromyMatrix m;
    bool grazed = false; // some bounce of the period hit along the wall
};

// `period` bounces from the current state (none when period <= 0), each
// multiplying the matrix from the left by its step matrix.
Monodromy monodromyOver(BilliardState& st, const TableGeometry& g, int period);

// "hiperbolic" for |tr| > 2, "parabolic" for |tr| = 2, "elliptic" otherwise.
const char* stabilityClass(double trace);

// header + trace and class + the matrix's diagonal, or, where the product
// means nothing (a grazing hit, an overflowing product), header + a line
// saying the stability is undefined.
std::string stabilityText(const std::string& header, const Monodromy& mono, char sep);

struct PeriodicOrbitAnswer {
    std::optional<std::string> label; // nullopt: the label keeps its text
    BallState reference;              // where the growth series starts
};

// The whole analysis from the cursor point (s, theta in radians). An Edit6
// text of exactly "0" searches the period; any other text is read as the
// period and may throw ConversionError, after the start point was set.
PeriodicOrbitAnswer analysePeriodicOrbit(BilliardState& st, const TableGeometry& g, double cursorS,
                                         double cursorTheta, double tolerance, const std::string& periodText,
                                         char sep);

// ---- Growth series ----------------------------------------------------------

// The series value of the accumulated product: ln |trace| plus the logarithm
// of what the rescaling divided out. -inf for a zero trace.
inline double blockValue(const MonodromyMatrix& t, int rescaleCount)
{
    return std::log(std::fabs(t.m11 + t.m22)) + rescaleCount * std::log(1000.0);
}

// From `reference`, blockCount blocks of blockSize bounces. Each block's
// product is divided by 1000 whenever its trace passes 1000 (counted, so the
// logarithm can add it back) and accumulated into T; perBlock(m, v) gets the
// block number and the value of T after it. The bounce loop stays free of
// calls through pointers: it is the cost of the whole analysis click.
template <class PerBlock>
void growthSeries(BilliardState& st, const TableGeometry& g, const BallState& reference, int blockSize,
                  int blockCount, PerBlock&& perBlock)
{
    setBall(st, reference);
    MonodromyMatrix t;
    int rescaleCount = 0;
    for (int m = 1; m <= blockCount; ++m) {
        MonodromyMatrix b;
        for (int i = 0; i < blockSize; ++i) {
            bounceOrThrow(st, g);
            if (b.m11 + b.m22 > 1000) {
                b.m11 *= 0.001;
                b.m12 *= 0.001;
                b.m21 *= 0.001;
                b.m22 *= 0.001;
                ++rescaleCount;
            }
            applyStep(b, st.flight, st.hitRadius, st.theta);
        }
        const MonodromyMatrix old = t;
        t.m11 = b.m11 * old.m11 + b.m12 * old.m21;
        t.m12 = b.m11 * old.m12 + b.m12 * old.m22;
        t.m21 = b.m21 * old.m11 + b.m22 * old.m21;
        t.m22 = b.m21 * old.m12 + b.m22 * old.m22;
        perBlock(m, blockValue(t, rescaleCount));
    }
}

// ---- Corner approach --------------------------------------------------------

inline constexpr int kCornerApproachLimit = 10000;

// From the cursor point, bounces until a hit's s lies within tolerance
// (inclusive) of sEnd1..sEnd4, at most `limit` bounces. The number of bounces,
// or nullopt when none came near before the limit; a hit on the limit's own
// bounce counts as none.
std::optional<int> cornerApproach(BilliardState& st, const TableGeometry& g, double cursorS, double cursorTheta,
                                  double tolerance, int limit = kCornerApproachLimit);
std::string cornerApproachText(std::optional<int> steps);
