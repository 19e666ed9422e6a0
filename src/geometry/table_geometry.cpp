#include "geometry/table_geometry.h"

#include <cmath>

void buildGeometry(TableGeometry& g, PhaseWindow& window, double b, double rr)
{
    const double pi = kPi;
    g.b = b;
    g.rr = rr;
    g.corner1.x = b;
    g.corner2.x = -b;
    g.corner3.x = -1.0;
    g.corner4.x = 1.0;

    const double height = std::sqrt(2.0 * b + 3.0 - b * b);
    g.alpha = (b == 1.0) ? pi * 0.5 : std::atan(height / (1.0 - b));

    const double yTop = height - std::tan(g.alpha * 0.5);
    const double yBottom = -std::tan(g.alpha * 0.5);
    g.corner1.y = yTop;
    g.corner2.y = yTop;
    g.corner3.y = yBottom;
    g.corner4.y = yBottom;

    g.x1 = 0.0;
    g.x4 = 1.0 - rr;
    g.x2 = -g.x4;

    // Slope of the perpendicular bisector of the right leg, through the origin.
    const double k = (height * 0.5 + yBottom) / (b * 0.5 + 0.5);
    g.y4 = k * g.x4;
    g.y2 = g.y4;
    g.y1 = (k * g.x4 - yTop * g.x4 / b) / (1.0 - g.x4 / b);

    const double rTop = std::sqrt((yTop - g.y1) * (yTop - g.y1) + b * b);
    g.x3 = 0.0;
    g.y3 = yBottom - (g.y4 - yBottom) / (g.x4 - 1.0);

    g.delta = std::acos((height + yBottom - g.y1) / rTop);
    g.r = (1.0 - 2.0 * std::cos(g.alpha)) / std::sin(g.delta);
    g.R = 1.0 / std::sin(2.0 * g.alpha - g.delta);
    g.R8 = 1.0 / std::sin(g.alpha - g.delta);

    g.sideHalfAngle = g.alpha - g.delta;
    g.bottomHalfAngle = (pi - 2.0 * g.alpha) + g.delta;
    g.legTilt = pi * 0.5 - g.alpha;

    g.sEnd1 = 2.0 * g.delta * g.r;
    g.sEnd2 = 2.0 * g.sideHalfAngle * g.R8 + g.sEnd1;
    g.sEnd3 = 2.0 * g.bottomHalfAngle * g.R + g.sEnd2;
    g.sEnd4 = 2.0 * g.sideHalfAngle * g.R8 + g.sEnd3;

    if (window.kx > g.sEnd4)
        window.kx = g.sEnd4;
}
