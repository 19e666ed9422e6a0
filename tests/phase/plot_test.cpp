#include "phase_fixture.h"

#include "dynamics/boundary.h"

#include <cmath>

namespace {

int countInRow(const Canvas& c, int y, int x0, int x1, Rgb colour)
{
    int n = 0;
    for (int x = x0; x < x1; ++x)
        n += c.pixel(x, y) == colour;
    return n;
}

int countInColumn(const Canvas& c, int x, int y0, int y1, Rgb colour)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        n += c.pixel(x, y) == colour;
    return n;
}

TEST(Plot, GridRowsLieThreeAboveTheMarkRows)
{
    ProgramState s;
    buildGeometry(s.geometry, s.window, 0.5, 2.0);
    s.window.scaleX = 778.0 / s.geometry.sEnd4;
    s.window.scaleY = 666.0 / kPi;
    Canvas c(kPhaseImageWidth, kPhaseImageHeight);
    c.ensureDrawable();
    drawGrid(c, s.geometry, s.window, s.billiard, s.window.scaleX, s.window.scaleY);
    EXPECT_EQ(hitRow(s.window, kPi / 4), 511);
    for (int row : {508, 342, 175, 9, 675})
        EXPECT_GT(countInRow(c, row, 7, 785, kRed), 700) << "row " << row;
    EXPECT_LT(countInRow(c, 511, 7, 785, kRed), 10);
    // Breakpoint columns, the end of the perimeter one column further right.
    for (double end : {s.geometry.sEnd1, s.geometry.sEnd2, s.geometry.sEnd3}) {
        const int X = static_cast<int>((end - s.window.kn) * s.window.scaleX + 6.0);
        // The corner curve of that corner runs up the same column in green.
        EXPECT_LT(countInColumn(c, X, 10, 675, kWhite), 5) << end;
    }
    EXPECT_EQ(static_cast<int>(s.geometry.sEnd4 * s.window.scaleX + 7.0), 785);
    EXPECT_GT(countInColumn(c, 785, 9, 675, kRed), 600);
    EXPECT_EQ(c.pixel(785, 9), kWhite); // both lines through it leave out their end pixel
    EXPECT_EQ(c.pixel(786, 508), kWhite);
    EXPECT_EQ(c.penColor(), kBlack);
    EXPECT_GT(countInRow(c, 300, 0, 794, kGreen), 0);
}

// The case tables give, at every boundary point, the angle between the
// tangent and the straight line to the corner.
TEST(Plot, CornerCurvesFollowTheLineToTheCorner)
{
    for (double rr : {1.5, 10.0}) {
        ProgramState s;
        buildGeometry(s.geometry, s.window, 0.6, rr);
        const TableGeometry& g = s.geometry;
        const Point corners[] = {g.corner1, g.corner2, g.corner3, g.corner4};
        for (int k = 1; k <= 4; ++k) {
            for (double at = 0.0137; at < g.sEnd4; at += 0.05) {
                boundaryPoint(s.billiard, g, 1.0, at);
                const BilliardState& st = s.billiard;
                const double dx = corners[k - 1].x - st.x, dy = corners[k - 1].y - st.y;
                if (std::hypot(dx, dy) < 1e-3)
                    continue;
                const double expected = std::atan2(st.vx * dy - st.vy * dx, st.vx * dx + st.vy * dy);
                EXPECT_NEAR(cornerTheta(g, k, st.x, st.y, st.vx, st.vy, -1.0), expected, 1e-9)
                    << "rr=" << rr << " corner " << k << " s=" << at;
            }
        }
    }
}

struct MarkWindow : testing::Test {
    // One unit per pixel, so a hit at (94.5, 277.5) maps to column 100, row 400.
    PhaseWindow w{0.0, 1000.0, 0.0, 1000.0, 1.0, 1.0};
    Canvas c{kPhaseImageWidth, kPhaseImageHeight};
    MarkWindow()
    {
        c.ensureDrawable();
        c.setPenColor(kBlue);
        c.setBrushColor(kBlue);
    }
};

TEST_F(MarkWindow, TwoPixelMarkBox)
{
    const MarkStamp stamp(c, 2);
    markHit(c, stamp, 2, w, 94.5, 277.5);
    for (int y = 396; y <= 401; ++y)
        for (int x = 98; x <= 103; ++x)
            EXPECT_EQ(c.pixel(x, y) == kBlue, x >= 100 && x <= 101 && y >= 398 && y <= 399) << x << "," << y;
}

TEST_F(MarkWindow, OnlyHitsStrictlyInsideAreMarked)
{
    const MarkStamp stamp(c, 3);
    const struct { double s, theta; } outside[] = {
        {0.0, 300.0}, {1000.0, 300.0}, {1200.0, 300.0}, {300.0, 0.0}, {300.0, 1000.0}, {300.0, -5.0},
    };
    for (const auto& h : outside)
        markHit(c, stamp, 3, w, h.s, h.theta);
    for (int y = 0; y < kPhaseImageHeight; y += 1)
        ASSERT_EQ(countInRow(c, y, 0, kPhaseImageWidth, kBlue), 0) << y;
    markHit(c, stamp, 3, w, 1e-9, 300.0);
    EXPECT_EQ(c.pixel(6, 377), kBlue);
}

TEST(Plot, ClearKeepsTheLastColumnAndResetsTheWindow)
{
    ProgramState s;
    buildGeometry(s.geometry, s.window, 0.5, 2.0);
    s.window = PhaseWindow{1, 2, 0.5, 0.7, 3, 4};
    s.paramsEdited = false;
    Canvas c(kPhaseImageWidth, kPhaseImageHeight);
    c.setBrushColor(kRed);
    c.fillRect(0, 0, kPhaseImageWidth, kPhaseImageHeight);
    clearPhaseImage(c, s.window, s.geometry, kBlue, s.paramsEdited);
    EXPECT_EQ(c.pixel(793, 100), kRed);
    EXPECT_EQ(c.pixel(792, 680), kWhite);
    EXPECT_EQ(c.pixel(0, 0), kWhite);
    EXPECT_EQ(c.penColor(), kBlue);
    EXPECT_EQ(c.brushColor(), kBlue);
    EXPECT_TRUE(s.paramsEdited);
    EXPECT_DOUBLE_EQ(s.window.scaleX, 778.0 / s.geometry.sEnd4);
    EXPECT_EQ(s.window.scaleY, 212.10191082802547);
    EXPECT_EQ(s.window.kx, 11.0);
    EXPECT_EQ(s.window.kn, 0.0);
    EXPECT_EQ(s.window.px, kPi);
}

} // namespace
