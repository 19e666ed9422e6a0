#include "sketch/sketch.h"

#include "dynamics/boundary.h"
#include "dynamics/bounce.h"
#include "phase/orbit_run.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

double sketchX(double u) { return u * 54 + 105; }
double sketchY(double v) { return 116 - v * 54; }

// Whether `colour` appears within one pixel of (x, y).
bool near(const Canvas& c, int x, int y, Rgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (c.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

bool nearPoint(const Canvas& c, double u, double v, Rgb colour)
{
    return near(c, int(sketchX(u)), int(sketchY(v)), colour);
}

// The table b = 0.5, rr = 2 after a run, the phase window showing the whole
// perimeter, and labels that record what they were given.
struct Desk {
    ProgramState state;
    Canvas sketch{kSketchWidth, kSketchHeight};
    std::map<std::string, std::string> texts;
    MainView view;

    Desk()
    {
        buildGeometry(state.geometry, state.window, 0.5, 2.0);
        const double L = state.geometry.sEnd4;
        state.window = PhaseWindow{0.0, L, 0.0, kPi, 778.0 / L, 666.0 / kPi};
        state.runCounter = 1;
        // As a run leaves the ball: a last hit on record, which a grazing
        // preview (theta 0 or pi) falls back on.
        boundaryPoint(state.billiard, state.geometry, 0.0, 1.0);
        bounce(state.billiard, state.geometry);
        view.label8 = [this](const std::string& t) { texts["Label8"] = t; };
        view.label9 = [this](const std::string& t) { texts["Label9"] = t; };
    }

    const TableGeometry& g() const { return state.geometry; }

    // A point in the middle of each arc, by perimeter position.
    Point arcMiddle(int arc) const
    {
        const double ends[] = {0.0, g().sEnd1, g().sEnd2, g().sEnd3, g().sEnd4};
        Point p;
        EXPECT_EQ(boundaryPosition(g(), 0.5 * (ends[arc - 1] + ends[arc]), p.x, p.y), arc);
        return p;
    }

    bool move(int X, int Y, int item = 0) { return cursorMove(state, sketch, X, Y, item, view); }
};

// Every pixel (x0 + i*dx, y0 + i*dy), i < n, is red and the end pixel is not.
void expectRedRun(const Canvas& c, int x0, int y0, int dx, int dy, int n)
{
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(c.pixel(x0 + i * dx, y0 + i * dy), kRed) << "pixel " << i << " of the tick from " << x0 << "," << y0;
    EXPECT_NE(c.pixel(x0 + n * dx, y0 + n * dy), kRed) << "end of the tick from " << x0 << "," << y0;
}

TEST(TableSketch, CornerTicksSitAtTheirPixelsWithFixedColumnsBelow)
{
    Desk d;
    drawTableSketch(d.sketch, d.g());
    const TableGeometry& g = d.g();
    const double X1 = sketchX(g.corner1.x), Y1 = sketchY(g.corner1.y);
    const double X2 = sketchX(g.corner2.x), Y2 = sketchY(g.corner2.y);
    expectRedRun(d.sketch, int(X1 - 5), int(Y1 + 5), 1, -1, 10);
    expectRedRun(d.sketch, int(X2 + 5), int(Y2 + 5), -1, -1, 10);
    expectRedRun(d.sketch, 46, int(sketchY(g.corner3.y) + 5), 1, -1, 10);
    // The corner4 tick reaches 4 below-right and 7 above-left.
    expectRedRun(d.sketch, 163, int(sketchY(g.corner4.y) + 4), -1, -1, 11);
}

TEST(TableSketch, ArcsRunTheTableWayRoundInTheCanvasPenAndLeaveItBlack)
{
    Desk d;
    drawTableSketch(d.sketch, d.g());
    for (int arc = 1; arc <= 4; ++arc) {
        const Point p = d.arcMiddle(arc);
        EXPECT_TRUE(nearPoint(d.sketch, p.x, p.y, kBlack)) << "arc " << arc;
    }
    // The rest of the top circle lies inside the table and stays blank.
    EXPECT_FALSE(nearPoint(d.sketch, d.g().x1, d.g().y1 - d.g().r, kBlack));
    EXPECT_EQ(d.sketch.penColor(), kBlack);

    // A preview leaves the pen blue; the next sketch inherits it for the arcs only.
    ASSERT_TRUE(d.move(400, 300, 3));
    EXPECT_EQ(d.sketch.penColor(), kBlue);
    EXPECT_EQ(d.sketch.brushColor(), kBlue);
    drawTableSketch(d.sketch, d.g());
    for (int arc = 1; arc <= 4; ++arc) {
        const Point p = d.arcMiddle(arc);
        EXPECT_TRUE(nearPoint(d.sketch, p.x, p.y, kBlue)) << "arc " << arc;
        EXPECT_FALSE(nearPoint(d.sketch, p.x, p.y, kBlack)) << "arc " << arc;
    }
    EXPECT_EQ(d.sketch.pixel(46, int(sketchY(d.g().corner3.y) + 5)), kRed);
    EXPECT_EQ(d.sketch.penColor(), kBlack);
}

TEST(TableSketch, ClearsTheTop233RowsAndKeepsTheLowestEight)
{
    Desk d;
    d.sketch.setBrushColor(kGreen);
    d.sketch.fillRect(0, 0, kSketchWidth, kSketchHeight);
    drawTableSketch(d.sketch, d.g());
    for (int y = 0; y < kSketchHeight; ++y)
        for (int x = 0; x < kSketchWidth; ++x)
            ASSERT_EQ(d.sketch.pixel(x, y) == kGreen, y >= 233) << x << "," << y;
    EXPECT_EQ(d.sketch.brushColor(), kBlack);
}

TEST(CursorReadout, AcceptsOnlyThePlottingAreaAfterTheFirstRun)
{
    const struct { int X, Y; bool accepted; } cases[] = {
        {5, 300, false}, {6, 300, true},   {784, 300, true},  {785, 300, false},
        {400, 8, false}, {400, 9, true},   {400, 675, true},  {400, 676, false},
    };
    for (const auto& c : cases) {
        Desk d;
        d.state.cursorS = -7.0;
        d.state.cursorTheta = -7.0;
        EXPECT_EQ(d.move(c.X, c.Y, 5), c.accepted) << c.X << "," << c.Y;
        EXPECT_EQ(d.texts.count("Label8") == 1, c.accepted) << c.X << "," << c.Y;
        EXPECT_EQ(d.texts.count("Label9") == 1, c.accepted) << c.X << "," << c.Y;
        EXPECT_EQ(d.sketch.isDrawn(), c.accepted) << c.X << "," << c.Y;
        EXPECT_EQ(d.state.cursorS != -7.0, c.accepted) << c.X << "," << c.Y;
    }

    Desk d;
    ASSERT_TRUE(d.move(6, 9));
    EXPECT_EQ(d.state.cursorS, d.state.window.kn);
    EXPECT_EQ(d.state.cursorTheta, d.state.window.px);
    ASSERT_TRUE(d.move(784, 675));
    EXPECT_DOUBLE_EQ(d.state.cursorS, d.state.window.kx);
    EXPECT_NEAR(d.state.cursorTheta, d.state.window.pn, 1e-15);

    Desk before;
    before.state.runCounter = 0;
    EXPECT_FALSE(before.move(400, 300, 32));
    EXPECT_TRUE(before.texts.empty());
    EXPECT_FALSE(before.sketch.isDrawn());
    EXPECT_EQ(before.state.cursorS, 0.0);
}

TEST(CursorReadout, ShowsThePhasePointAndItsBoundaryPoint)
{
    for (char sep : {'.', ','}) {
        Desk d;
        d.state.sep = sep;
        d.state.window = PhaseWindow{0.5, 7.0, 0.2, 3.0, 778.0 / 6.5, 666.0 / 2.8};
        ASSERT_TRUE(d.move(400, 300));
        // s = 394 / (778 / 6.5) + 0.5, theta = 3 - 291 / (666 / 2.8) = 101.7903 degrees.
        EXPECT_NEAR(d.state.cursorS, 3.7917737789203083, 1e-14);
        EXPECT_NEAR(d.state.cursorTheta, 1.7765765765765766, 1e-14);
        const std::string s = sep == '.' ? "3.791774" : "3,791774";
        const std::string a = sep == '.' ? "101.7903" : "101,7903";
        EXPECT_EQ(d.texts["Label8"], "dist:  " + s + "  angle:  " + a);

        double bx = 0, by = 0;
        ASSERT_EQ(boundaryPosition(d.g(), d.state.cursorS, bx, by), 3);
        EXPECT_EQ(d.texts["Label9"], "x: " + formatGeneral(bx, 7, 0, sep) + "     y: " + formatGeneral(by, 7, 0, sep));
        EXPECT_EQ(d.state.billiard.s0, d.state.cursorS);
        EXPECT_EQ(d.state.billiard.cosTheta, std::cos(d.state.cursorTheta));
    }
}

TEST(CursorReadout, BreakpointsBelongToTheArcThatEndsThere)
{
    Desk d;
    const TableGeometry& g = d.g();
    const double pi = kPi;
    // Each arc's own position form, as the boundary coordinates define it.
    auto arc1 = [&](double s) {
        const double x = std::sin(g.delta - s / g.r) * g.r + g.x1;
        return Point{x, std::sqrt(g.r * g.r - x * x) + g.y1};
    };
    auto arc2 = [&](double s) {
        const double y = std::sin((g.sideHalfAngle + g.legTilt) - (s - g.sEnd1) / g.R8) * g.R8 + g.y2;
        return Point{g.x2 - std::sqrt(g.R8 * g.R8 - (y - g.y2) * (y - g.y2)), y};
    };
    ASSERT_GT(g.bottomHalfAngle, pi * 0.25); // sEnd3 falls in the sub-range near corner4
    auto arc3 = [&](double s) {
        const double u = (s - g.sEnd2) / g.R;
        const double y = std::sin((g.bottomHalfAngle - pi * 0.5) - u) * g.R + g.y3;
        return Point{std::sqrt(g.R * g.R - (y - g.y3) * (y - g.y3)) + g.x3, y};
    };
    auto arc4 = [&](double s) {
        const double y = g.y4 - std::sin((g.sideHalfAngle - g.legTilt) - (s - g.sEnd3) / g.R8) * g.R8;
        return Point{std::sqrt(g.R8 * g.R8 - (y - g.y4) * (y - g.y4)) + g.x4, y};
    };
    const struct { double s; Point expected; } points[] = {
        {0.0, arc1(0.0)}, {g.sEnd1, arc1(g.sEnd1)}, {g.sEnd2, arc2(g.sEnd2)},
        {g.sEnd3, arc3(g.sEnd3)}, {g.sEnd4, arc4(g.sEnd4)},
    };
    for (const auto& p : points) {
        // At column 6 the readout's s is kn itself.
        d.state.window.kn = p.s;
        ASSERT_TRUE(d.move(6, 300));
        ASSERT_EQ(d.state.cursorS, p.s);
        EXPECT_EQ(d.state.sketchBx, p.expected.x) << "s = " << p.s;
        EXPECT_EQ(d.state.sketchBy, p.expected.y) << "s = " << p.s;
    }

    // Beyond the perimeter the marker stays where it was.
    const double bx = d.state.sketchBx, by = d.state.sketchBy;
    d.state.window.kn = g.sEnd4 + 0.5;
    ASSERT_TRUE(d.move(6, 300));
    EXPECT_EQ(d.state.sketchBx, bx);
    EXPECT_EQ(d.state.sketchBy, by);
}

int floorPixel(double v) { return int(std::floor(v)); }

TEST(CursorPreview, WithoutAnItemMarksThePointAndLeavesTheBallAlone)
{
    for (int item : {-1, 0}) {
        Desk d;
        d.state.billiard.x = 9.0;
        d.state.billiard.vy = -9.0;
        d.sketch.setPenColor(kBlue); // as an earlier preview left it
        // Column 59 puts the point at about (105.73, 41.65): rounding would
        // shift the box one pixel right and down.
        ASSERT_TRUE(d.move(59, 300, item));
        const double PX = sketchX(d.state.sketchBx), PY = sketchY(d.state.sketchBy);
        ASSERT_GT(PX - std::floor(PX), 0.5);
        ASSERT_GT(PY - std::floor(PY), 0.5);
        const int left = floorPixel(PX - 3), top = floorPixel(PY - 1);
        for (int y = 0; y < kSketchHeight; ++y)
            for (int x = 0; x < kSketchWidth; ++x) {
                if (d.sketch.pixel(x, y) == kBlue) {
                    EXPECT_TRUE(left <= x && x < left + 4 && top <= y && y < top + 4)
                        << "item " << item << " at " << x << "," << y;
                }
            }
        for (int y : {top + 1, top + 2})
            for (int x : {left + 1, left + 2})
                EXPECT_EQ(d.sketch.pixel(x, y), kBlue) << "item " << item;
        EXPECT_EQ(d.sketch.penX(), floorPixel(PX));
        EXPECT_EQ(d.sketch.penY(), floorPixel(PY));
        EXPECT_EQ(d.state.billiard.x, 9.0);
        EXPECT_EQ(d.state.billiard.vy, -9.0);
        for (int arc = 1; arc <= 4; ++arc) {
            const Point p = d.arcMiddle(arc);
            EXPECT_TRUE(nearPoint(d.sketch, p.x, p.y, kBlack)) << "item " << item << ", arc " << arc;
        }
        EXPECT_EQ(d.sketch.penColor(), kBlue);
    }
}

TEST(CursorPreview, ItemNDrawsNChordsAndBouncesOnceMore)
{
    for (int item : {1, 2, 32}) {
        Desk d;
        // The same trajectory by hand, with the point before every bounce.
        BilliardState m = d.state.billiard;
        ASSERT_TRUE(d.move(400, 300, item));
        boundaryPoint(m, d.g(), std::cos(d.state.cursorTheta), d.state.cursorS);
        std::vector<Point> hits{{m.x, m.y}};
        for (int i = 0; i <= item; ++i) {
            ASSERT_TRUE(bounce(m, d.g()));
            hits.push_back({m.x, m.y});
        }
        const BilliardState& st = d.state.billiard;
        EXPECT_EQ(st.x, m.x) << "item " << item;
        EXPECT_EQ(st.y, m.y) << "item " << item;
        EXPECT_EQ(st.vx, m.vx) << "item " << item;
        EXPECT_EQ(st.vy, m.vy) << "item " << item;
        EXPECT_EQ(st.s, m.s) << "item " << item;
        EXPECT_EQ(st.theta, m.theta) << "item " << item;

        // The last line ends at the n-th hit, not at the bounce beyond it.
        EXPECT_EQ(d.sketch.penX(), floorPixel(sketchX(hits[item].x))) << "item " << item;
        EXPECT_EQ(d.sketch.penY(), floorPixel(sketchY(hits[item].y))) << "item " << item;

        auto chordMiddleIsBlue = [&](int k) {
            return nearPoint(d.sketch, 0.5 * (hits[k].x + hits[k + 1].x), 0.5 * (hits[k].y + hits[k + 1].y), kBlue);
        };
        for (int k = 0; k < item; ++k)
            EXPECT_TRUE(chordMiddleIsBlue(k)) << "item " << item << ", chord " << k + 1;
        if (item == 1) {
            EXPECT_FALSE(chordMiddleIsBlue(1));
        }
    }
}

TEST(CursorPreview, GrazingWithNoHitOnRecordIsAProblem)
{
    // Theta = pi at row 9: the path runs along the bottom arc's tangent and
    // meets no arc; with no earlier hit the bounce map cannot go on.
    Desk d;
    d.state.billiard = BilliardState{};
    EXPECT_THROW(d.move(400, 9, 1), BounceProblem);
    EXPECT_EQ(d.texts["Label8"].rfind("dist:  ", 0), 0u);
    EXPECT_NO_THROW(d.move(400, 9, 0));
}

} // namespace
