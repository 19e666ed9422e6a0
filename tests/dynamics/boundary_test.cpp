#include "table_fixture.h"

#include <cmath>
#include <filesystem>

namespace {

TEST(BoundaryPoint, PerimeterEndsAndWrap)
{
    Table t(0.5, 2.0);
    const double L = t.g.sEnd4;

    t.place(0.0, 90.0);
    const BilliardState atStart = t.st;
    EXPECT_NEAR(atStart.x, t.g.corner1.x, 1e-12);
    EXPECT_NEAR(atStart.y, t.g.corner1.y, 1e-12);

    // s = L is corner1 again, on the right arc, with the same tangent.
    t.place(L, 90.0);
    EXPECT_NEAR(t.st.x, atStart.x, 1e-12);
    EXPECT_NEAR(t.st.y, atStart.y, 1e-12);
    EXPECT_NEAR(t.st.tx, atStart.tx, 1e-9);
    EXPECT_NEAR(t.st.ty, atStart.ty, 1e-9);

    t.place(1.0, 30.0);
    const BilliardState atOne = t.st;
    t.place(L + 1.0, 30.0);
    EXPECT_NEAR(t.st.x, atOne.x, 1e-12);
    EXPECT_NEAR(t.st.y, atOne.y, 1e-12);
    EXPECT_NEAR(t.st.vx, atOne.vx, 1e-12);
    EXPECT_NEAR(t.st.vy, atOne.vy, 1e-12);
}

TEST(BoundaryPoint, NegativePositionLeavesTheStateAlone)
{
    Table t(0.5, 2.0);
    t.place(2.0, 45.0);
    const BilliardState before = t.st;
    t.place(-0.25, 10.0);
    EXPECT_EQ(t.st.x, before.x);
    EXPECT_EQ(t.st.vx, before.vx);
    EXPECT_EQ(t.st.ty, before.ty);
}

TEST(BoundaryPoint, MiddleOfTheTopOfTheSquare)
{
    Table t(1.0, 1.0);
    t.place(1.110721, 90.0);
    EXPECT_NEAR(t.st.x, 0.0, 1e-6);
    EXPECT_NEAR(t.st.y, 1.414214, 1e-6);
    EXPECT_NEAR(t.st.tx, -1.0, 1e-9);
    EXPECT_NEAR(t.st.ty, 0.0, 1e-6);
    EXPECT_NEAR(t.st.vx, 0.0, 1e-6);
    EXPECT_NEAR(t.st.vy, -1.0, 1e-9);
}

// The tangent is the counterclockwise one everywhere, also where the bottom
// arc bends above its centre; the inward normal is the tangent turned left.
TEST(BoundaryPoint, TangentPointsTowardsGrowingS)
{
    for (double rr : {1.0, 2.0, 10.0, 11.95}) {
        Table t(0.6, rr);
        for (double s = 0.0005; s < t.g.sEnd4; s += 0.013) {
            t.place(s, 90.0);
            const BilliardState here = t.st;
            double nx = 0, ny = 0;
            boundaryPosition(t.g, s + 1e-6, nx, ny);
            const double along = (nx - here.x) * here.tx + (ny - here.y) * here.ty;
            EXPECT_NEAR(along, 1e-6, 1e-9) << "rr=" << rr << " s=" << s;
            EXPECT_NEAR(here.vx, -here.ty, 1e-9);
            EXPECT_NEAR(here.vy, here.tx, 1e-9);
            t.place(s, 0.0);
            EXPECT_NEAR(t.st.vx, here.tx, 1e-12);
            EXPECT_NEAR(t.st.vy, here.ty, 1e-12);
        }
    }
}

TEST(BoundaryPoint, CosineBeyondOneIsClampedNotNaN)
{
    Table t(0.5, 2.0);
    boundaryPoint(t.st, t.g, 1.0 + 1e-15, 2.0);
    EXPECT_FALSE(std::isnan(t.st.vx));
    EXPECT_FALSE(std::isnan(t.st.vy));
}

TEST(Launch, ReducesTheDistanceAndSetsTheScales)
{
    const auto dir = std::filesystem::temp_directory_path() / "vellacor_launch_test";
    std::filesystem::create_directories(dir);
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir);

    Table t(0.5, 2.0);
    RunDataFile file;
    t.st.s0 = 10.0;
    t.st.cosTheta = 0.0;
    launch(t.st, t.g, t.window, file, 0.5);
    closeRunDataFile(file);
    std::filesystem::current_path(old);

    EXPECT_NEAR(t.st.s0, 1.982625, 1e-6);
    EXPECT_EQ(t.st.arcIndex, 1);
    double x = 0, y = 0;
    EXPECT_EQ(boundaryPosition(t.g, t.st.s0, x, y), 2);
    EXPECT_EQ(t.st.x, x);
    EXPECT_DOUBLE_EQ(t.window.scaleX, 778.0 / t.g.sEnd4);
    EXPECT_DOUBLE_EQ(t.window.scaleY, 666.0 / kPi);
    EXPECT_TRUE(std::filesystem::exists(dir / "adat.dat"));
}

} // namespace
