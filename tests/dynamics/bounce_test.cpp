#include "table_fixture.h"

#include <cmath>

namespace {

TEST(Bounce, DiameterOfTheSquareInItsCircle)
{
    Table t(1.0, 1.0);
    t.st.x = 0.0;
    t.st.y = 1.414214;
    t.st.vx = 0.0;
    t.st.vy = -1.0;
    ASSERT_TRUE(bounce(t.st, t.g));
    EXPECT_EQ(t.st.arcIndex, 3);
    EXPECT_NEAR(t.st.hitX, 0.0, 1e-12);
    EXPECT_NEAR(t.st.hitY, -1.414214, 1e-6);
    EXPECT_NEAR(t.st.flight, 2.828427, 1e-6);
    EXPECT_NEAR(t.st.s, 5.553603, 1e-6);
    EXPECT_NEAR(t.st.theta, kPi / 2, 1e-9);
    EXPECT_NEAR(t.st.newVx, 0.0, 1e-9);
    EXPECT_NEAR(t.st.newVy, 1.0, 1e-12);
    // The bounce moved the ball.
    EXPECT_EQ(t.st.x, t.st.hitX);
    EXPECT_EQ(t.st.vy, t.st.newVy);
}

// In a circle every chord makes the same angle with the wall, and each bounce
// moves s on by the arc 2 * theta * radius.
TEST(Bounce, CircleKeepsThetaAndAdvancesS)
{
    for (double theta : {17.0, 60.0, 90.0, 151.0}) {
        Table t(0.5, 1.0);
        const double L = t.g.sEnd4;
        const double radius = t.g.R;
        double s = 0.3;
        t.place(s, theta);
        for (int i = 0; i < 5000; ++i) {
            ASSERT_TRUE(bounce(t.st, t.g));
            s = std::fmod(s + 2.0 * theta * kPi / 180.0 * radius, L);
            ASSERT_NEAR(t.st.theta, theta * kPi / 180.0, 1e-8) << "bounce " << i;
            const double gap = std::fabs(t.st.s - s);
            ASSERT_LT(std::min(gap, L - gap), 1e-7) << "theta " << theta << " bounce " << i;
        }
    }
}

TEST(Bounce, ChordAlongOneArcFindsTheFarPoint)
{
    Table t(0.5, 2.0);
    t.place(0.2, 3.0); // almost grazing the top arc
    ASSERT_TRUE(bounce(t.st, t.g));
    EXPECT_EQ(t.st.arcIndex, 1);
    EXPECT_GT(t.st.s, 0.2);
    EXPECT_NEAR(t.st.theta, 3.0 * kPi / 180.0, 1e-9);
}

TEST(Bounce, BottomArcAboveItsCentreUsesTheSideForms)
{
    Table t(0.5, 10.0);
    ASSERT_GT(t.g.bottomHalfAngle, kPi / 2);
    // Just past corner3, the bottom arc rises above its centre.
    const double s = t.g.sEnd2 + 0.01;
    double x = 0, y = 0;
    ASSERT_EQ(boundaryPosition(t.g, s, x, y), 3);
    ASSERT_GT(y, t.g.y3);
    // Aim at that point from the middle of the top arc and check where we land.
    t.place(t.g.sEnd1 / 2, 90.0);
    const double dx = x - t.st.x, dy = y - t.st.y, n = std::hypot(dx, dy);
    t.st.vx = dx / n;
    t.st.vy = dy / n;
    ASSERT_TRUE(bounce(t.st, t.g));
    EXPECT_EQ(t.st.arcIndex, 3);
    EXPECT_NEAR(t.st.s, s, 1e-9);
}

TEST(Bounce, HitsStayOnTheBoundaryOverALongOrbit)
{
    for (double rr : {1.0, 2.0, 10.0, 11.95}) {
        Table t(0.55, rr);
        t.place(1.0, 37.0);
        const double cx[] = {0, t.g.x1, t.g.x2, t.g.x3, t.g.x4}, cy[] = {0, t.g.y1, t.g.y2, t.g.y3, t.g.y4};
        const double rad[] = {0, t.g.r, t.g.R8, t.g.R, t.g.R8};
        for (int i = 0; i < 100000; ++i) {
            ASSERT_TRUE(bounce(t.st, t.g));
            const int j = t.st.arcIndex;
            ASSERT_NEAR(std::hypot(t.st.x - cx[j], t.st.y - cy[j]), rad[j], 1e-9) << "rr=" << rr << " i=" << i;
            ASSERT_GE(t.st.theta, 0.0);
            ASSERT_LE(t.st.theta, kPi);
            ASSERT_GT(t.st.s, -1e-9);
            ASSERT_LT(t.st.s, t.g.sEnd4 + 1e-9);
            double bx = 0, by = 0;
            boundaryPosition(t.g, std::clamp(t.st.s, 0.0, t.g.sEnd4), bx, by);
            ASSERT_NEAR(bx, t.st.x, 1e-7);
            ASSERT_NEAR(by, t.st.y, 1e-7);
        }
    }
}

TEST(Bounce, BeforeAnyLaunchReportsAProblem)
{
    // A ball that was never launched and whose path meets no arc keeps arc index 0.
    Table t(0.5, 2.0);
    t.st.x = 100.0;
    t.st.y = 100.0;
    EXPECT_FALSE(bounce(t.st, t.g));
}

TEST(TryArc, AnArcOutsideOneToFourRejects)
{
    Table t(0.5, 2.0);
    t.place(1.0, 45.0);
    EXPECT_EQ(tryArc(t.st, t.g, 0), 0);
    EXPECT_EQ(tryArc(t.st, t.g, 5), 0);
}

} // namespace
