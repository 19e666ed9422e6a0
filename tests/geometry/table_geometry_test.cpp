#include "geometry/table_geometry.h"

#include <gtest/gtest.h>

#include "built_table.h"

#include <cmath>

namespace {

struct KnownTable {
    double b, rr;
    double r, R8, R, delta;
    double sEnd1, sEnd2, sEnd3, sEnd4;
};

// The four reference tables, values to the printed precision.
const KnownTable kKnownTables[] = {
    {1.0, 1.0, 1.414214, 1.414214, 1.414214, kPi / 4, 2.221441, 4.442883, 6.664324, 8.885766},
    {0.5, 2.0, 0.6885304, 2.065591, 1.032796, 0.8127556, 1.119214, 3.206950, 5.929639, 8.017375},
    {1.0, 2.0, 1.118034, 2.236068, 1.118034, 1.107149, 2.475660, 4.549155, 7.024815, 9.098310},
    {0.5, 1.0, 1.264911, 1.264911, 1.264911, NAN, NAN, NAN, NAN, 7.947671},
};

TEST(BuildGeometry, KnownTables)
{
    for (const auto& t : kKnownTables) {
        SCOPED_TRACE(testing::Message() << "b=" << t.b << " rr=" << t.rr);
        const TableGeometry g = built(t.b, t.rr);
        EXPECT_NEAR(g.r, t.r, 1e-6);
        EXPECT_NEAR(g.R8, t.R8, 1e-6);
        EXPECT_NEAR(g.R, t.R, 1e-6);
        EXPECT_NEAR(g.R8 / g.R, t.rr, 1e-12);
        const double expected[] = {t.delta, t.sEnd1, t.sEnd2, t.sEnd3, t.sEnd4};
        const double actual[] = {g.delta, g.sEnd1, g.sEnd2, g.sEnd3, g.sEnd4};
        for (int i = 0; i < 5; ++i)
            if (!std::isnan(expected[i])) {
                EXPECT_NEAR(actual[i], expected[i], 1e-6) << "field " << i;
            }
    }
}

TEST(BuildGeometry, HalfTopRatioTwoInDetail)
{
    const TableGeometry g = built(0.5, 2.0);
    EXPECT_NEAR(g.alpha, 1.318116, 1e-6);
    EXPECT_NEAR(g.corner1.y, 1.161895, 1e-6);
    EXPECT_NEAR(g.corner3.y, -0.7745967, 1e-7);
    EXPECT_NEAR(g.y1, 0.6885304, 1e-7);
    EXPECT_NEAR(g.x2, 1.0, 1e-12);
    EXPECT_NEAR(g.y2, -0.2581989, 1e-7);
    EXPECT_NEAR(g.y3, -0.5163978, 1e-7);
    EXPECT_NEAR(g.x4, -1.0, 1e-12);
    EXPECT_NEAR(g.sideHalfAngle, 0.5053605, 1e-7);
    EXPECT_NEAR(g.bottomHalfAngle, 1.318116, 1e-6);
}

TEST(BuildGeometry, SquareUsesTheExactRightAngle)
{
    const TableGeometry g = built(1.0, 1.0);
    EXPECT_EQ(g.alpha, kPi * 0.5);
    for (Point c : {g.corner1, g.corner2, g.corner3, g.corner4}) {
        EXPECT_NEAR(std::fabs(c.x), 1.0, 1e-12);
        EXPECT_NEAR(std::fabs(c.y), 1.0, 1e-12);
    }
    for (double centre : {g.x1, g.y1, g.x2, g.y2, g.x3, g.y3, g.x4, g.y4})
        EXPECT_NEAR(centre, 0.0, 1e-12);
}

TEST(BuildGeometry, LowersKxToThePerimeterOnly)
{
    TableGeometry g;
    PhaseWindow window;
    buildGeometry(g, window, 0.5, 2.0);
    EXPECT_EQ(window.kx, g.sEnd4);
    window.kx = 3.0;
    buildGeometry(g, window, 0.5, 2.0);
    EXPECT_EQ(window.kx, 3.0);
    EXPECT_EQ(window.kn, 0.0);
    EXPECT_EQ(window.scaleX, 1.0);
}

double distance(double x, double y, Point p) { return std::hypot(p.x - x, p.y - y); }

// Collinear centres at a shared corner mean a common tangent there.
double cross(double ax, double ay, Point corner, double bx, double by)
{
    return (ax - corner.x) * (by - corner.y) - (ay - corner.y) * (bx - corner.x);
}

TEST(BuildGeometry, InvariantsOverTheConvexRange)
{
    for (int i = 1; i <= 20; ++i) {
        const double b = i * 0.05;
        for (double rr = 1.0; rr <= 12.0; rr += 0.25) {
            SCOPED_TRACE(testing::Message() << "b=" << b << " rr=" << rr);
            const TableGeometry g = built(b, rr);
            const double tol = 1e-9 * std::max(1.0, g.R8);
            EXPECT_NEAR(distance(g.x1, g.y1, g.corner1), g.r, tol);
            EXPECT_NEAR(distance(g.x1, g.y1, g.corner2), g.r, tol);
            EXPECT_NEAR(distance(g.x2, g.y2, g.corner2), g.R8, tol);
            EXPECT_NEAR(distance(g.x2, g.y2, g.corner3), g.R8, tol);
            EXPECT_NEAR(distance(g.x3, g.y3, g.corner3), g.R, tol);
            EXPECT_NEAR(distance(g.x3, g.y3, g.corner4), g.R, tol);
            EXPECT_NEAR(distance(g.x4, g.y4, g.corner4), g.R8, tol);
            EXPECT_NEAR(distance(g.x4, g.y4, g.corner1), g.R8, tol);
            EXPECT_NEAR(cross(g.x1, g.y1, g.corner1, g.x4, g.y4), 0.0, tol * g.R8);
            EXPECT_NEAR(cross(g.x1, g.y1, g.corner2, g.x2, g.y2), 0.0, tol * g.R8);
            EXPECT_NEAR(cross(g.x2, g.y2, g.corner3, g.x3, g.y3), 0.0, tol * g.R8);
            EXPECT_NEAR(cross(g.x3, g.y3, g.corner4, g.x4, g.y4), 0.0, tol * g.R8);
            EXPECT_NEAR(2 * g.delta + 4 * g.sideHalfAngle + 2 * g.bottomHalfAngle, 2 * kPi, 1e-12);
            EXPECT_LT(0.0, g.sEnd1);
            EXPECT_LT(g.sEnd1, g.sEnd2);
            EXPECT_LT(g.sEnd2, g.sEnd3);
            EXPECT_LT(g.sEnd3, g.sEnd4);
            EXPECT_LT(g.sEnd4, 10.3);
            EXPECT_NEAR(g.R8 / g.R, rr, 1e-12 * rr);
            EXPECT_EQ(g.x2, -g.x4);
            EXPECT_EQ(g.y2, g.y4);
        }
    }
}

TEST(BuildGeometry, BottomArcBeyondAHalfCircleHasItsCentreBelowTheBase)
{
    const TableGeometry g = built(0.5, 10.0);
    EXPECT_GT(g.bottomHalfAngle, kPi / 2);
    EXPECT_LT(g.y3, g.corner3.y);
    EXPECT_LT(g.delta, kPi / 2);
    EXPECT_LT(g.sideHalfAngle, kPi / 2);
}

TEST(BoundaryPosition, BreakpointsBelongToTheArcThatEndsThere)
{
    const TableGeometry g = built(0.5, 2.0);
    double x = 0, y = 0;
    const struct { double s; int arc; } cases[] = {
        {0.0, 1}, {g.sEnd1, 1}, {std::nextafter(g.sEnd1, 99.0), 2}, {g.sEnd2, 2},
        {std::nextafter(g.sEnd2, 99.0), 3}, {g.sEnd3, 3}, {std::nextafter(g.sEnd3, 99.0), 4}, {g.sEnd4, 4},
        {-1e-12, 0}, {std::nextafter(g.sEnd4, 99.0), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(boundaryPosition(g, c.s, x, y), c.arc) << "s=" << c.s;
}

TEST(BoundaryPosition, OutsideThePerimeterKeepsThePoint)
{
    const TableGeometry g = built(0.5, 2.0);
    double x = 7.0, y = 8.0;
    EXPECT_EQ(boundaryPosition(g, -0.5, x, y), 0);
    EXPECT_EQ(x, 7.0);
    EXPECT_EQ(y, 8.0);
}

TEST(BoundaryPosition, EveryPointLiesOnItsArcCircle)
{
    for (double rr : {1.0, 2.0, 10.0, 11.95}) {
        const TableGeometry g = built(0.75, rr);
        double px = 0, py = 0;
        for (double s = 0.0; s <= g.sEnd4; s += 0.01) {
            double x = 0, y = 0;
            const int arc = boundaryPosition(g, s, x, y);
            // Equal steps of s are equal steps along the boundary, across breakpoints too.
            if (s > 0.0) {
                EXPECT_NEAR(std::hypot(x - px, y - py), 0.01, 1e-6) << "rr=" << rr << " s=" << s;
            }
            px = x;
            py = y;
            const double cx[] = {0, g.x1, g.x2, g.x3, g.x4}, cy[] = {0, g.y1, g.y2, g.y3, g.y4};
            const double rad[] = {0, g.r, g.R8, g.R, g.R8};
            ASSERT_GE(arc, 1);
            EXPECT_NEAR(std::hypot(x - cx[arc], y - cy[arc]), rad[arc], 1e-9) << "rr=" << rr << " s=" << s;
        }
    }
}

} // namespace
