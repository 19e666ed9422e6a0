#pragma once

#include "geometry/phase_window.h"

struct Point {
    double x = 0.0;
    double y = 0.0;
};

inline constexpr double kPi = 3.141592653589793;

// The "circular trapezoid": four arcs (top, left, bottom, right) through the
// corners of the trapezoid with bottom 2, legs 2 and top 2b, meeting with a
// common tangent. s runs counterclockwise from corner1 (top right).
struct TableGeometry {
    double b = 0.0;
    double rr = 0.0;
    double alpha = 0.0;
    double delta = 0.0;
    double sideHalfAngle = 0.0;
    double bottomHalfAngle = 0.0;
    double legTilt = 0.0;
    Point corner1, corner2, corner3, corner4;
    double x1 = 0.0, y1 = 0.0, r = 0.0;
    double x2 = 0.0, y2 = 0.0, R8 = 0.0;
    double x3 = 0.0, y3 = 0.0, R = 1.0;
    double x4 = 0.0, y4 = 0.0;
    double sEnd1 = 0.0, sEnd2 = 0.0, sEnd3 = 0.0, sEnd4 = 0.0;

    double yTop() const { return corner1.y; }
    double yBottom() const { return corner3.y; }
    double perimeter() const { return sEnd4; }
};

// Fills every field from b and rr and lowers window.kx to the perimeter length
// when it lies beyond it. Nothing is validated: outside 0 < b <= 1, rr >= 1 the
// formulas give whatever they give.
void buildGeometry(TableGeometry& geometry, PhaseWindow& window, double b, double rr);

// The boundary point at perimeter position s without reducing s modulo L.
// Returns the arc (1..4) or 0 when s lies outside [0, L], leaving x, y as they were.
int boundaryPosition(const TableGeometry& geometry, double s, double& x, double& y);
