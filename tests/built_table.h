#pragma once

#include "geometry/table_geometry.h"

// A table built as the program builds it, with a window of its own.
inline TableGeometry built(double b, double rr)
{
    TableGeometry g;
    PhaseWindow w;
    buildGeometry(g, w, b, rr);
    return g;
}
