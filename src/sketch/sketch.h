#pragma once

#include "phase/main_view.h"
#include "phase/program_state.h"
#include "platform/canvas.h"
#include "geometry/table_geometry.h"

// The sketch `vazlat`: 209 x 241 pixels, 54 pixels per table unit, the table's
// origin at (105, 116) and its y axis pointing up.
inline constexpr int kSketchWidth = 209;
inline constexpr int kSketchHeight = 241;

// White fill of the top 233 rows (the lowest 8 keep what they have), brush
// black, the four arcs with whatever pen the canvas holds, and the red corner
// ticks. Leaves the pen red.
void drawTableOutline(Canvas& sketch, const TableGeometry& g);

// The table sketch after leaving the ratio box: the outline, then pen black.
// The caller refreshes the control on the screen first.
void drawTableSketch(Canvas& sketch, const TableGeometry& g);

// The mouse-move handler of the phase image at pixel (X, Y). Outside columns
// 6..784, rows 9..675, or before the first run, nothing happens and the result
// is false. Otherwise: the readout in Label8 and Label9, the cursor point, the
// table redrawn with the boundary point marked, and, for a "short sigth" item
// index of 1 or more (-1 for none), the first bounces of the trajectory from
// there; pen and brush are left blue. Throws BounceProblem when the bounce map
// cannot go on.
bool cursorMove(ProgramState& state, Canvas& sketch, int X, int Y, int previewItem, MainView& view);
