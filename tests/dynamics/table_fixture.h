#pragma once

#include "dynamics/boundary.h"
#include "dynamics/bounce.h"

#include <gtest/gtest.h>

// A built table with its window and a ball, as the program holds them.
struct Table {
    TableGeometry g;
    PhaseWindow window;
    BilliardState st;

    Table(double b, double rr) { buildGeometry(g, window, b, rr); }

    void place(double s, double thetaDegrees)
    {
        boundaryPoint(st, g, std::cos(thetaDegrees * kPi / 180.0), s);
    }
};
