#include "sketch/sketch.h"

#include "dynamics/boundary.h"
#include "dynamics/bounce.h"
#include "phase/orbit_run.h"
#include "phase/plot.h"
#include "platform/number_text.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kUnit = 54.0;
constexpr double kOriginX = 105.0;
constexpr double kOriginY = 116.0;

double sketchX(double u) { return u * kUnit + kOriginX; }
double sketchY(double v) { return kOriginY - v * kUnit; }

// The preview rounds down where the outline truncates; the two differ only
// left of column 0 or above row 0.
int floorPixel(double v) { return truncPixel(std::floor(v)); }

// The circle's bounding square, from (cx - rad, cy + rad) to (cx + rad, cy - rad),
// or the other way round when `reversed`.
void drawArc(Canvas& c, double cx, double cy, double rad, Point from, Point to, bool reversed)
{
    int x1 = truncPixel(sketchX(cx - rad)), y1 = truncPixel(sketchY(cy + rad));
    int x2 = truncPixel(sketchX(cx + rad)), y2 = truncPixel(sketchY(cy - rad));
    if (reversed) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    c.arc(x1, y1, x2, y2, truncPixel(sketchX(from.x)), truncPixel(sketchY(from.y)), truncPixel(sketchX(to.x)),
          truncPixel(sketchY(to.y)));
}

void tick(Canvas& c, double x1, double y1, double x2, double y2)
{
    c.moveTo(truncPixel(x1), truncPixel(y1));
    c.lineTo(truncPixel(x2), truncPixel(y2));
}

} // namespace

void drawTableOutline(Canvas& sketch, const TableGeometry& g)
{
    sketch.setBrushColor(kWhite);
    sketch.fillRect(0, 0, kSketchWidth, 233);
    sketch.setBrushColor(kBlack);

    drawArc(sketch, g.x1, g.y1, g.r, g.corner1, g.corner2, false);
    drawArc(sketch, g.x2, g.y2, g.R8, g.corner2, g.corner3, false);
    drawArc(sketch, g.x3, g.y3, g.R, g.corner3, g.corner4, false);
    drawArc(sketch, g.x4, g.y4, g.R8, g.corner4, g.corner1, true);

    sketch.setPenColor(kRed);
    const double X1 = sketchX(g.corner1.x), Y1 = sketchY(g.corner1.y);
    const double X2 = sketchX(g.corner2.x), Y2 = sketchY(g.corner2.y);
    const double Y3 = sketchY(g.corner3.y), Y4 = sketchY(g.corner4.y);
    tick(sketch, X1 - 5, Y1 + 5, X1 + 5, Y1 - 5);
    tick(sketch, X2 + 5, Y2 + 5, X2 - 5, Y2 - 5);
    // corner3 and corner4 always sit at columns 51 and 159; the corner4 tick is
    // lopsided (4 below-right, 7 above-left) as the program always drew it.
    tick(sketch, 46, Y3 + 5, 56, Y3 - 5);
    tick(sketch, 163, Y4 + 4, 152, Y4 - 7);
}

void drawTableSketch(Canvas& sketch, const TableGeometry& g)
{
    drawTableOutline(sketch, g);
    sketch.setPenColor(kBlack);
}

bool cursorMove(ProgramState& state, Canvas& sketch, int X, int Y, int previewItem, MainView& view)
{
    if (X < 6 || X > 784 || Y < 9 || Y > 675 || state.runCounter < 1)
        return false;

    const PhaseWindow& w = state.window;
    const TableGeometry& g = state.geometry;
    BilliardState& st = state.billiard;

    const double s = pixelToS(w, X);
    const double theta = pixelToTheta(w, Y);
    const double degrees = theta * 180.0 / kPi;
    if (view.label8)
        view.label8("dist:  " + formatGeneral(s, 7, 0, state.sep) + "  angle:  " + formatGeneral(degrees, 7, 0, state.sep));
    state.cursorS = s;
    state.cursorTheta = theta;

    sketch.setPenColor(kBlack);
    drawTableOutline(sketch, g);
    sketch.setPenColor(kBlue);
    sketch.setBrushColor(kBlue);

    // Outside [0, L] the marker stays where the previous move put it.
    st.s0 = s;
    boundaryPosition(g, st.s0, state.sketchBx, state.sketchBy);
    const double bx = state.sketchBx, by = state.sketchBy;
    const double PX = sketchX(bx), PY = sketchY(by);
    sketch.ellipse(floorPixel(PX - 3), floorPixel(PY - 1), floorPixel(PX + 1), floorPixel(PY + 3));
    sketch.moveTo(floorPixel(PX), floorPixel(PY));

    st.cosTheta = std::cos(theta);
    st.s0 = s;
    if (view.label9)
        view.label9("x: " + formatGeneral(bx, 7, 0, state.sep) + "     y: " + formatGeneral(by, 7, 0, state.sep));

    if (previewItem <= 0)
        return true;
    boundaryPoint(st, g, st.cosTheta, st.s0);
    // The first line joins the marker to the launch point; the next n are chords.
    for (int i = 0; i <= previewItem; ++i) {
        sketch.lineTo(floorPixel(sketchX(st.x)), floorPixel(sketchY(st.y)));
        bounceOrThrow(st, g);
    }
    return true;
}
