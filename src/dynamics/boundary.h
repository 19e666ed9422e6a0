#pragma once

#include "dynamics/billiard_state.h"
#include "dynamics/run_data_file.h"
#include "geometry/table_geometry.h"

// Puts the ball at perimeter position s (reduced modulo L when beyond it) with
// the direction whose cosine with the tangent is cosTheta. A negative s leaves
// the state as it was.
void boundaryPoint(BilliardState& state, const TableGeometry& geometry, double cosTheta, double s);

// The start of a run from state.s0 and state.cosTheta: opens "adat.dat" afresh
// with its header, reduces s0 modulo L, sets the launch point and direction,
// and sets the window's scales from its bounds.
void launch(BilliardState& state, const TableGeometry& geometry, PhaseWindow& window,
            RunDataFile& dataFile, double bTyped);
