#include "dynamics/orbit_properties.h"
#include "table_fixture.h"

namespace {

// Corners of the series grid and tables within a hair of the circle, where
// the side arcs are nearly the bottom arc and near misses at corners are likeliest.
TEST(LongOrbit, InvariantsHoldOnEveryBounce)
{
    struct Case { double b, rr; };
    const Case cases[] = {{0.50, 10.00}, {1.00, 11.95}, {0.75, 10.95}, {0.3, 1.0}, {0.6, 1.001}, {1.0, 1.05}};
    for (const auto& c : cases) {
        Table t(c.b, c.rr);
        t.place(1.0, 45.0);
        const OrbitProperties p = checkOrbit(t.g, t.st, 200000);
        SCOPED_TRACE(testing::Message() << "b=" << c.b << " rr=" << c.rr);
        EXPECT_EQ(p.bounces, 200000);
        EXPECT_EQ(p.notFinite, 0);
        EXPECT_EQ(p.offCircle, 0);
        EXPECT_EQ(p.thetaOutside, 0);
        EXPECT_EQ(p.sOutside, 0);
        EXPECT_EQ(p.failedBounces, 0);
        EXPECT_EQ(p.noArc, 0);
        EXPECT_LT(p.worstCircleGap, 1e-12);
    }
}

// The checker itself must see a stall and a path that leaves the table.
TEST(LongOrbit, CheckerCountsMissesAndFailures)
{
    Table t(0.5, 2.0);
    t.st.x = 100.0;
    t.st.y = 100.0;
    t.st.vx = 1.0;
    OrbitProperties p = checkOrbit(t.g, t.st, 10);
    EXPECT_EQ(p.noArc, 10);
    EXPECT_EQ(p.failedBounces, 10);
    EXPECT_FALSE(p.holds());

    // A direction lost to NaN after a real hit: no arc accepts, the old hit is
    // reflected again and the NaN reaches the reflected direction.
    Table u(0.5, 2.0);
    u.place(1.0, 45.0);
    ASSERT_TRUE(bounce(u.st, u.g));
    u.st.vx = std::nan("");
    p = checkOrbit(u.g, u.st, 10);
    EXPECT_EQ(p.noArc, 10);
    EXPECT_EQ(p.notFinite, 10);
    EXPECT_FALSE(p.holds());
}

} // namespace
