#pragma once

#include "phase/orbit_run.h"

// What a release of a mouse button on the phase image asks for.
enum class ReleaseAction { None, Zoom, Analysis };

// A right press anchors the drag rectangle; other buttons change nothing.
void phaseMouseDown(ProgramState& state, MouseButton button, int x, int y);
// A right release on another column and another row zooms; on the same
// column or row it asks for the orbit analysis. Exact comparisons.
ReleaseAction releaseAction(const ProgramState& state, MouseButton button, int x, int y);

// Zooms into the rectangle between the anchor and (x, y), blanks the image
// and re-plots the orbit from the cursor point into the new window.
void zoomTo(ProgramState& state, Canvas& phaseImage, int x, int y, const RunControls& controls, MainView& view);
