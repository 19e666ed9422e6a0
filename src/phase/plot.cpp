#include "phase/plot.h"

#include "dynamics/boundary.h"

#include <cmath>

double cornerTheta(const TableGeometry& g, int k, double x, double y, double vx, double vy, double previous)
{
    const double pi = kPi;
    const double T = std::atan(vy / vx);
    const double U = std::atan(vx / vy);
    const Point c1 = g.corner1, c2 = g.corner2, c3 = g.corner3, c4 = g.corner4;
    switch (k) {
    case 1: {
        const double A1 = std::atan((c1.y - y) / (c1.x - x));
        if (y > c1.y)
            return (pi - g.delta) - A1;
        if (x == c1.x || vy == 0.0)
            return previous;
        if (0.0 <= x && x < c1.x)
            return A1 - T;
        return pi / 2 + A1 + U;
    }
    case 2: {
        const double A2 = std::atan((c1.y - y) / (x - c2.x));
        if (y > c1.y)
            return g.delta + A2;
        if (x == c2.x || vy == 0.0)
            return previous;
        if (c2.x < x && x <= 0.0)
            return (pi - A2) - T;
        return (pi / 2 - A2) + U;
    }
    case 3: {
        const double A3 = std::atan((y - c3.y) / (x - c3.x));
        if (y > c3.y) {
            if ((x > c3.x && vx < 0.0) || (x <= c4.x && (x >= c3.x || vx > 0.0)))
                return A3 - T;
            return (A3 + pi) - T;
        }
        if ((x > c4.x && y > g.y3) || (x < c3.x && y < g.y3))
            return (U + pi / 2) + A3;
        return (pi - T) + A3;
    }
    default: {
        const double B4 = std::atan((y - c4.y) / (c4.x - x));
        if (y > c4.y) {
            if ((x > c4.x && vx < 0.0) || (x < c3.x && vx > 0.0))
                return -B4 - T;
            return (pi - B4) - T;
        }
        if ((y > g.y3 && x < c3.x) || (y < g.y3 && x > c4.x))
            return (pi - T) - B4;
        return -T - B4;
    }
    }
}

namespace {

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

void drawCornerCurve(Canvas& canvas, const TableGeometry& g, const PhaseWindow& w, BilliardState& st, int k,
                     double scaleX, double scaleY)
{
    const double L = g.sEnd4;
    double s = 0.0;
    bool first = true;
    // A perimeter no real table has (not a number, or absurdly long from
    // nonsense parameters) must not hang the window.
    long samples = 0;
    constexpr long kMaxSamples = 2000000;
    do {
        s = s + 0.001;
        boundaryPoint(st, g, 1.0, s);
        st.theta = cornerTheta(g, k, st.x, st.y, st.vx, st.vy, st.theta);
        const int X = truncPixel(6.0 + (s - w.kn) * scaleX);
        const int Y = truncPixel(678.0 - (st.theta - w.pn) * scaleY);
        if (first)
            canvas.moveTo(X, Y);
        else
            canvas.lineTo(X, Y);
        first = false;
    } while (!(s > L) && L > 0.0 && ++samples < kMaxSamples);
}

} // namespace

void drawGrid(Canvas& canvas, const TableGeometry& g, const PhaseWindow& w, BilliardState& st, double scaleX,
              double scaleY)
{
    canvas.setPenColor(kRed);
    line(canvas, 0, 675, 793, 675);
    line(canvas, 6, 681, 6, 0);
    for (double end : {g.sEnd1, g.sEnd2, g.sEnd3}) {
        const int X = truncPixel((end - w.kn) * scaleX + 6.0);
        line(canvas, X, 675, X, 9);
    }
    const int XL = truncPixel((g.sEnd4 - w.kn) * scaleX + 7.0);
    line(canvas, XL, 675, XL, 9);
    for (double theta : {kPi / 4, kPi / 2, 3 * kPi / 4}) {
        const int Y = truncPixel(675.0 - (theta - w.pn) * scaleY);
        line(canvas, 6, Y, 785, Y);
    }
    line(canvas, 6, 9, 785, 9);

    canvas.setPenColor(kGreen);
    boundaryPoint(st, g, 0.0, 0.0);
    for (int k = 1; k <= 4; ++k)
        drawCornerCurve(canvas, g, w, st, k, scaleX, scaleY);
    canvas.setPenColor(kBlack);
}

void blankPhaseImage(Canvas& canvas, Rgb colour)
{
    canvas.ensureDrawable();
    canvas.setBrushColor(kWhite);
    canvas.fillRect(0, 0, 793, 681);
    canvas.setBrushColor(kBlack);
    canvas.setPenColor(colour);
    canvas.setBrushColor(colour);
}

void clearPhaseImage(Canvas& canvas, PhaseWindow& w, const TableGeometry& g, Rgb colour, bool& paramsEdited)
{
    blankPhaseImage(canvas, colour);
    w.scaleX = 778.0 / g.sEnd4;
    w.scaleY = 212.10191082802547; // 666 / 3.14, as the clear always set it
    w.kn = 0.0;
    w.kx = 11.0;
    w.pn = 0.0;
    w.px = kPi;
    paramsEdited = true;
}
