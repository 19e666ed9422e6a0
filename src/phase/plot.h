#pragma once

#include "dynamics/billiard_state.h"
#include "geometry/table_geometry.h"
#include "platform/canvas.h"

#include <cmath>

// The phase image's plotting area: 778 x 666 pixels from column 6 and, for
// hits, up from row 678.
inline constexpr int kPhaseImageWidth = 794;
inline constexpr int kPhaseImageHeight = 681;

// Pixel coordinates are truncated toward zero; values far outside the image
// (or not numbers) are pinned where any drawing clips them away.
inline int truncPixel(double v)
{
    if (!(v > -1e7))
        return -10000000;
    if (v > 1e7)
        return 10000000;
    return static_cast<int>(v);
}

inline int hitColumn(const PhaseWindow& w, double s) { return truncPixel(6.0 + (s - w.kn) * w.scaleX); }
inline int hitRow(const PhaseWindow& w, double theta) { return truncPixel(678.0 - (theta - w.pn) * w.scaleY); }

// The inverse mapping of the cursor readout and the zoom: rows count from 9.
inline double pixelToS(const PhaseWindow& w, double x) { return (x - 6.0) / w.scaleX + w.kn; }
inline double pixelToTheta(const PhaseWindow& w, double y) { return w.px - (y - 9.0) / w.scaleY; }

// Draws the mark of a hit whose unshifted pixel offsets are ax = (s - kn) *
// scaleX and ay = (theta - pn) * scaleY: the ellipse with corners (X, Y) and
// (X + m, Y - m). The stamp stands in for the ellipse call whenever the four
// truncated corners are a plain m x m box, which is all but never not so.
inline void drawMark(Canvas& canvas, const MarkStamp& stamp, int m, double ax, double ay)
{
    const int x1 = truncPixel(6.0 + ax), y1 = truncPixel(678.0 - ay);
    const int x2 = truncPixel(6.0 + ax + m), y2 = truncPixel(678.0 - ay - m);
    if (x2 - x1 == m && y1 - y2 == m) [[likely]]
        stamp.stamp(canvas, x1, y1);
    else
        canvas.ellipse(x1, y1, x2, y2);
}

// Marks a hit that lies strictly inside the window.
inline void markHit(Canvas& canvas, const MarkStamp& stamp, int markSize, const PhaseWindow& w, double s,
                    double theta)
{
    if (w.kn < s && s < w.kx && w.pn < theta && theta < w.px)
        drawMark(canvas, stamp, markSize, (s - w.kn) * w.scaleX, (theta - w.pn) * w.scaleY);
}

// The red grid (axes, breakpoints, theta = pi/4, pi/2, 3pi/4, top line) and
// the four green corner curves, leaving the pen black. The curves move the
// ball's boundary point, direction and theta.
void drawGrid(Canvas& canvas, const TableGeometry& g, const PhaseWindow& w, BilliardState& st, double scaleX,
              double scaleY);

// Theta of the straight path from the boundary point (x, y), whose theta = 0
// direction is (vx, vy), into corner k; `previous` where the case is undefined.
double cornerTheta(const TableGeometry& g, int k, double x, double y, double vx, double vy, double previous);

// Blanks the image (white, last column and bottom row kept) and sets pen and
// brush to the mark colour.
void blankPhaseImage(Canvas& canvas, Rgb colour);
// "clear": blank the image and reset the window to the whole phase plane.
void clearPhaseImage(Canvas& canvas, PhaseWindow& w, const TableGeometry& g, Rgb colour, bool& paramsEdited);
