#include "geometry/table_geometry.h"

#include <cmath>

int boundaryPosition(const TableGeometry& g, double s, double& x, double& y)
{
    const double pi = kPi;
    // Ranges in this order: a breakpoint belongs to the arc that ends there.
    if (0.0 <= s && s <= g.sEnd1) {
        x = std::sin(g.delta - s / g.r) * g.r + g.x1;
        y = std::sqrt(g.r * g.r - x * x) + g.y1;
        return 1;
    }
    if (g.sEnd1 < s && s <= g.sEnd2) {
        y = std::sin((g.sideHalfAngle + g.legTilt) - (s - g.sEnd1) / g.R8) * g.R8 + g.y2;
        x = g.x2 - std::sqrt(g.R8 * g.R8 - (y - g.y2) * (y - g.y2));
        return 2;
    }
    if (g.sEnd3 < s && s <= g.sEnd4) {
        y = g.y4 - std::sin((g.sideHalfAngle - g.legTilt) - (s - g.sEnd3) / g.R8) * g.R8;
        x = std::sqrt(g.R8 * g.R8 - (y - g.y4) * (y - g.y4)) + g.x4;
        return 4;
    }
    if (g.sEnd2 < s && s <= g.sEnd3) {
        // Three forms, each taking the square root of at least R^2/2, so the
        // bottom arc stays well conditioned even beyond a half circle.
        const double u = (s - g.sEnd2) / g.R;
        if (g.bottomHalfAngle - pi * 0.25 <= u && u <= g.bottomHalfAngle + pi * 0.25) {
            x = std::sin(pi + (g.bottomHalfAngle - u)) * g.R + g.x3;
            y = g.y3 - std::sqrt(g.R * g.R - x * x);
        } else if (u < g.bottomHalfAngle - pi * 0.25) {
            y = g.y3 - std::sin((g.bottomHalfAngle + pi * 0.5) - u) * g.R;
            x = g.x3 - std::sqrt(g.R * g.R - (y - g.y3) * (y - g.y3));
        } else {
            y = std::sin((g.bottomHalfAngle - pi * 0.5) - u) * g.R + g.y3;
            x = std::sqrt(g.R * g.R - (y - g.y3) * (y - g.y3)) + g.x3;
        }
        return 3;
    }
    return 0;
}
