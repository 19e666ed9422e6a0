#include "dynamics/orbit_analysis.h"
#include "platform/conversion.h"
#include "table_fixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(Period, GreatestCommonDivisorOfTheThreeReturnCounts)
{
    struct Case {
        int c1, c2, c3, period;
    };
    for (const Case& c : {Case{3, 3, 3, 3}, Case{4, 6, 8, 2}, Case{1000, 6, 9, 3}, Case{1000, 1000, 1000, 1000},
                          Case{1000, 1000, 500, 500}, Case{7, 5, 1000, 1}, Case{12, 1000, 1000, 12}}) {
        SCOPED_TRACE(std::to_string(c.c1) + "," + std::to_string(c.c2) + "," + std::to_string(c.c3));
        EXPECT_EQ(periodFromCounts(c.c1, c.c2, c.c3), c.period);
    }
    EXPECT_EQ(searchedPeriodHeader(3, 3, 3, 3), "period?: 3 ; 3 , 3 , 3\n");
    EXPECT_EQ(searchedPeriodHeader(3, 1000, 6, 9), "period?: 3 ; 1000 , 6 , 9\n");
    EXPECT_EQ(typedPeriodHeader(-3), "period?: -3\n");
}

TEST(StepMatrix, DiameterStepsAndTheirProduct)
{
    // theta = pi/2 and l = 2R: k = R, p = 1 - 4 = -3, q = -2/R.
    const double R = 1.5;
    MonodromyMatrix m;
    applyStep(m, 2 * R, R, kPi / 2);
    EXPECT_DOUBLE_EQ(m.m11, -3);
    EXPECT_DOUBLE_EQ(m.m12, -2 / R);
    EXPECT_DOUBLE_EQ(m.m21, 2 * R);
    EXPECT_DOUBLE_EQ(m.m22, 1);
    applyStep(m, 2 * R, R, kPi / 2);
    EXPECT_DOUBLE_EQ(m.m11, 5);
    EXPECT_DOUBLE_EQ(m.m12, 4 / R);
    EXPECT_DOUBLE_EQ(m.m21, -4 * R);
    EXPECT_DOUBLE_EQ(m.m22, -3);
    EXPECT_EQ(stabilityClass(m.m11 + m.m22), std::string("parabolic"));
}

TEST(StepMatrix, ClassByTheTraceMagnitude)
{
    struct Case {
        double trace;
        const char* name;
    };
    for (const Case& c : {Case{2.0000001, "hiperbolic"}, Case{-2.5, "hiperbolic"}, Case{2, "parabolic"},
                          Case{-2, "parabolic"}, Case{1.9999999, "elliptic"}, Case{0, "elliptic"}})
        EXPECT_EQ(stabilityClass(c.trace), std::string(c.name)) << c.trace;
}

// The vertical orbit of b = 0.5, rr = 2 between the middles of the top arc
// (radius r) and the bottom arc (radius R), chord l, both hits at theta = pi/2.
// Each step is S_i = [[1 - 2l/R_i, -2/R_i], [l, 1]], so
//   tr(S_top S_bottom) = p_b p_t + l q_t + l q_b + 1
//                      = 2 - 4l/r - 4l/R + 4l^2/(rR) = 4(1 - l/r)(1 - l/R) - 2.
// Here r = 0.68853, R = 1.03280 and l = 2.92625 (the table's height along
// x = 0), so (1 - l/r)(1 - l/R) = (-3.25)(-1.8333) = 5.958 and tr = 21.8333:
// hiperbolic.
TEST(PeriodicOrbit, VerticalTwoBounceOrbitMatchesTheHandComputation)
{
    Table t(0.5, 2.0);
    const TableGeometry& g = t.g;
    const double l = (g.y1 + g.r) - (g.y3 - g.R);
    const double handTrace = 4 * (1 - l / g.r) * (1 - l / g.R) - 2;
    ASSERT_NEAR(handTrace, 21.8333333, 1e-6);

    const PeriodicOrbitAnswer a = analysePeriodicOrbit(t.st, g, g.sEnd1 / 2, kPi / 2, 0.05, "0", '.');
    ASSERT_TRUE(a.label.has_value());
    EXPECT_EQ(*a.label, "period?: 2 ; 2 , 2 , 2\n21.83333  hiperbolic\nm11=26.5  ;  m22=-4.66667");
    EXPECT_EQ(stabilityClass(handTrace), std::string("hiperbolic"));
    // The reference is where the third return left the ball: the top middle, heading down.
    EXPECT_NEAR(a.reference.x, 0.0, 1e-9);
    EXPECT_NEAR(a.reference.y, g.y1 + g.r, 1e-9);
    EXPECT_NEAR(a.reference.vy, -1.0, 1e-9);

    // The same period typed gives the same stability without the counts.
    Table u(0.5, 2.0);
    const PeriodicOrbitAnswer typed = analysePeriodicOrbit(u.st, g, g.sEnd1 / 2, kPi / 2, 0.05, "2", '.');
    EXPECT_EQ(*typed.label, "period?: 2\n21.83333  hiperbolic\nm11=26.5  ;  m22=-4.66667");
}

TEST(PeriodicOrbit, TypedPeriodTexts)
{
    const std::string identity = "2  parabolic\nm11=1  ;  m22=1";
    struct Case {
        const char* text;
        bool labelled;
        std::string label;
    };
    for (const Case& c : {Case{"00", true, "period?: 0\n" + identity}, Case{"-3", true, "period?: -3\n" + identity},
                          Case{"1000", false, ""}}) {
        SCOPED_TRACE(c.text);
        Table t(0.5, 2.0);
        t.place(1.0, 70.0);
        const BallState start = ballState(t.st);
        Table u(0.5, 2.0);
        const PeriodicOrbitAnswer a = analysePeriodicOrbit(u.st, u.g, 1.0, 70.0 * kPi / 180.0, 0.05, c.text, '.');
        EXPECT_EQ(a.label.has_value(), c.labelled);
        if (c.labelled) {
            EXPECT_EQ(*a.label, c.label);
        }
        // A typed period makes no search: the series starts at the cursor point.
        EXPECT_DOUBLE_EQ(a.reference.x, start.x);
        EXPECT_DOUBLE_EQ(a.reference.vy, start.vy);
    }
}

TEST(PeriodicOrbit, NonIntegerPeriodStopsAfterTheStartPointWasSet)
{
    Table t(0.5, 2.0);
    EXPECT_THROW(analysePeriodicOrbit(t.st, t.g, 1.0, 1.2, 0.05, "abc", '.'), ConversionError);
    Table u(0.5, 2.0);
    boundaryPoint(u.st, u.g, std::cos(1.2), 1.0);
    EXPECT_DOUBLE_EQ(t.st.s0, 1.0);
    EXPECT_DOUBLE_EQ(t.st.x, u.st.x);
    EXPECT_DOUBLE_EQ(t.st.vy, u.st.vy);
}

TEST(PeriodicOrbit, ReturnNeedsAllFourComponentsStrictlyWithinTolerance)
{
    Table t(0.5, 2.0);
    t.place(t.g.sEnd1 / 2, 90.0);
    const BallState top = ballState(t.st);
    struct Case {
        const char* name;
        BallState start;
        double tolerance;
        int count;
    };
    const Case cases[] = {
        {"the start itself", top, 0.05, 2},
        {"same point, reversed direction", {top.x, top.y, -top.vx, -top.vy}, 0.05, 1000},
        {"point 0.03 aside", {top.x + 0.03, top.y, top.vx, top.vy}, 0.05, 2},
        {"point 0.03 aside, tolerance 0.02", {top.x + 0.03, top.y, top.vx, top.vy}, 0.02, 1000},
        {"tolerance 0", top, 0.0, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table u(0.5, 2.0);
        u.place(u.g.sEnd1 / 2, 90.0);
        EXPECT_EQ(returnCount(u.st, u.g, c.start, c.tolerance), c.count);
    }
    // Positions 0 and above give no positive tolerance: nothing ever returns.
    Table u(0.5, 2.0);
    const PeriodicOrbitAnswer a =
        analysePeriodicOrbit(u.st, u.g, u.g.sEnd1 / 2, kPi / 2, toleranceFromPosition(0), "0", '.');
    EXPECT_EQ(*a.label, "not periodic");
    EXPECT_DOUBLE_EQ(toleranceFromPosition(-50), 0.05);
}

TEST(PeriodicOrbit, GrazingHitSaysTheStabilityIsUndefined)
{
    // From s = 0.3 along the tangent the next hit is the same top-arc point at theta = 0.
    Table t(0.5, 2.0);
    const PeriodicOrbitAnswer a = analysePeriodicOrbit(t.st, t.g, 0.3, 0.0, 0.05, "1", '.');
    EXPECT_EQ(*a.label, "period?: 1\nthe orbit grazes the wall: stability undefined");

    Monodromy overflowed;
    overflowed.m.m11 = INFINITY;
    overflowed.m.m22 = -INFINITY;
    EXPECT_EQ(stabilityText("period?: 4\n", overflowed, '.'),
              "period?: 4\nthe trace is not a finite number: stability undefined");
}

TEST(GrowthSeries, BlocksOfNoBouncesKeepTheIdentity)
{
    Table t(0.5, 2.0);
    t.place(1.0, 50.0);
    std::vector<double> values;
    growthSeries(t.st, t.g, ballState(t.st), 0, 5, [&](int m, double v) {
        EXPECT_EQ(m, static_cast<int>(values.size()) + 1);
        values.push_back(v);
    });
    ASSERT_EQ(values.size(), 5u);
    for (double v : values)
        EXPECT_DOUBLE_EQ(v, std::log(2.0));
}

// The rescaled product, with the count carried over all blocks so far, must
// give the logarithm of the plain product's trace.
TEST(GrowthSeries, RescalingLeavesTheLogarithmOfThePlainProduct)
{
    Table t(0.5, 2.0);
    t.place(1.3, 61.0);
    const BallState start = ballState(t.st);

    std::vector<double> expected;
    {
        Table u(0.5, 2.0);
        setBall(u.st, start);
        long double a = 1, b = 0, c = 0, d = 1;
        for (int i = 1; i <= 200; ++i) {
            ASSERT_TRUE(bounce(u.st, u.g));
            const long double k = u.st.hitRadius * std::cos(kPi / 2 - u.st.theta);
            const long double p = 1 - 2 * u.st.flight / k, q = -2 / k, l = u.st.flight;
            const long double na = p * a + q * c, nb = p * b + q * d;
            c = l * a + c;
            d = l * b + d;
            a = na;
            b = nb;
            if (i % 50 == 0)
                expected.push_back(static_cast<double>(std::log(std::fabs(a + d))));
        }
    }
    ASSERT_GT(expected.back(), 3 * std::log(1000.0)) << "the orbit must grow enough to be rescaled";

    std::vector<double> values;
    growthSeries(t.st, t.g, start, 50, 4, [&](int, double v) { values.push_back(v); });
    ASSERT_EQ(values.size(), expected.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(values[i], expected[i], 1e-6 * std::fabs(expected[i])) << "block " << i + 1;
}

TEST(CornerApproach, InclusiveToleranceAndTheStepLimit)
{
    Table probe(0.5, 2.0);
    probe.place(1.0, 57.0);
    ASSERT_TRUE(bounce(probe.st, probe.g));
    const double s1 = probe.st.s;
    double nearest = INFINITY;
    for (double e : {probe.g.sEnd1, probe.g.sEnd2, probe.g.sEnd3, probe.g.sEnd4})
        nearest = std::min(nearest, std::fabs(s1 - e));

    auto steps = [](double tolerance, int limit = kCornerApproachLimit) {
        Table t(0.5, 2.0);
        return cornerApproach(t.st, t.g, 1.0, 57.0 * kPi / 180.0, tolerance, limit);
    };
    // A distance exactly equal to the tolerance counts as near.
    EXPECT_EQ(steps(nearest), std::optional<int>(1));
    EXPECT_NE(steps(std::nextafter(nearest, 0.0)), std::optional<int>(1));

    // A hit on the limit's own bounce still counts as none.
    const std::optional<int> first = steps(0.01);
    ASSERT_TRUE(first.has_value());
    ASSERT_GT(*first, 1);
    EXPECT_EQ(steps(0.01, *first), std::nullopt);
    EXPECT_EQ(steps(0.01, *first + 1), first);

    EXPECT_EQ(steps(-0.001), std::nullopt);
    EXPECT_EQ(cornerApproachText(std::nullopt), "won't approach any corners in a while");
    EXPECT_EQ(cornerApproachText(1), "closest corner is in: 1steps");
}

} // namespace
