#pragma once

#include "phase/main_view.h"
#include "phase/panel.h"
#include "phase/plot.h"
#include "phase/program_state.h"

#include "dynamics/bounce.h"

#include <stdexcept>
#include <string>

// The check boxes and pickers that a run reads.
struct RunControls {
    bool dataFile = false;     // "data file"
    bool grid = true;          // "grid"
    bool savePortrait = false; // "save phasespace"
    int pointSizeIndex = 0;    // point-size box item index: mark size = index + 2
    Rgb colour = kBlack;       // mark colour
};

inline constexpr int kProgressMax = 1000;

inline void stepProgress(ProgramState& state, MainView& view)
{
    if (state.progress < kProgressMax)
        ++state.progress;
    MainView::call(view.progress, state.progress);
}

// `passes` passes of `perPass` bounces each, the progress bar stepping after
// every pass. perBounce runs after each bounce with the state moved to the hit.
template <class PerBounce>
void runPasses(ProgramState& state, long passes, long perPass, MainView& view, PerBounce&& perBounce)
{
    BilliardState& st = state.billiard;
    const TableGeometry& g = state.geometry;
    for (long pass = 0; pass < passes; ++pass) {
        for (long i = 0; i < perPass; ++i) {
            bounceOrThrow(st, g);
            perBounce(st);
        }
        stepProgress(state, view);
    }
}

// Plots the current orbit into the window for passes x perPass bounces, marks only.
void plotOrbit(ProgramState& state, Canvas& phaseImage, long passes, long perPass, MainView& view);

// "go" / "continue": launches (or continues the held orbit), plots 1000 x
// repeat bounces, draws the grid, keeps the last hit, saves when asked.
void runGo(ProgramState& state, Canvas& phaseImage, const PanelTexts& texts, const RunControls& controls,
           MainView& view);

// The double-click run: continues the ball where the click left it for
// 1001 x (repeat + 1) bounces.
void runDoubleClick(ProgramState& state, Canvas& phaseImage, const std::string& repeatText,
                    const RunControls& controls, MainView& view);

// The end of every run: grid, data file closed, last hit kept, "ready!",
// "continue", stamp, and the portrait saved when `save` is set.
void finishRun(ProgramState& state, Canvas& phaseImage, const RunControls& controls, bool save, MainView& view);

// "load": reads a portrait back with the b, rr and window its path carries.
void loadPortrait(ProgramState& state, Canvas& phaseImage, const std::string& path, MainView& view);

// The text of the status line after a run whose data file could not be
// created; empty when it could.
std::string takeDataFileFailure(ProgramState& state);
