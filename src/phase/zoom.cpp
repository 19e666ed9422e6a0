#include "phase/zoom.h"

#include "dynamics/boundary.h"
#include "phase/image_files.h"
#include "platform/number_text.h"

#include <algorithm>
#include <cmath>

void phaseMouseDown(ProgramState& state, MouseButton button, int x, int y)
{
    if (button != MouseButton::Right)
        return;
    state.anchorX = x;
    state.anchorY = y;
}

ReleaseAction releaseAction(const ProgramState& state, MouseButton button, int x, int y)
{
    if (button != MouseButton::Right)
        return ReleaseAction::None;
    if (x != state.anchorX && y != state.anchorY)
        return ReleaseAction::Zoom;
    return ReleaseAction::Analysis;
}

void zoomTo(ProgramState& state, Canvas& phaseImage, int x, int y, const RunControls& controls, MainView& view)
{
    MainView::call(view.label11, "zooming...");
    const double left = std::min<double>(x, state.anchorX), right = std::max<double>(x, state.anchorX);
    const double top = std::min<double>(y, state.anchorY), bottom = std::max<double>(y, state.anchorY);

    // The inverse pixel mapping of the readout, from the window before the zoom.
    const PhaseWindow old = state.window;
    PhaseWindow& w = state.window;
    w.kx = pixelToS(old, right);
    w.kn = pixelToS(old, left);
    w.pn = pixelToTheta(old, bottom);
    w.px = pixelToTheta(old, top);
    w.scaleX = 778.0 / (w.kx - w.kn);
    w.scaleY = 666.0 / (w.px - w.pn);

    blankPhaseImage(phaseImage, controls.colour);
    const char sep = state.sep;
    MainView::call(view.label11, formatGeneral(w.scaleX, 15, 0, sep) + "  " + formatGeneral(right - left, 15, 0, sep)
                                     + " " + formatGeneral(w.scaleY, 15, 0, sep));

    BilliardState& st = state.billiard;
    st.s0 = state.cursorS;
    st.cosTheta = std::cos(state.cursorTheta);
    boundaryPoint(st, state.geometry, st.cosTheta, st.s0);
    plotOrbit(state, phaseImage, 1001, static_cast<long>(state.repeatCount) + 1, view);

    refreshStamp(state);
    if (controls.savePortrait)
        savePortrait(state, phaseImage);
}
