#pragma once

#include "phase/orbit_run.h"

#include <string>
#include <vector>

inline constexpr int kSeriesRuns = 440;
inline constexpr const char* kSeriesDirectory = "grafikon";

// One table of the family: the texts that the b and ratio boxes take.
struct SeriesStep {
    int index = 0; // 0 .. 439, ratio fastest
    std::string bText, rrText;
};

// The 440 tables in the order of the queue: b = 0.5 .. 1 in steps of 0.05,
// for each of them rr = 10 .. 11.95 in steps of 0.05. The loop counters are
// single precision and the products extended, as they always were.
std::vector<SeriesStep> seriesSteps(char sep);

// One run of the queue, up to (not including) the save: boxes, table, launch,
// the whole phase plane blanked and plotted without the window's test, grid,
// data file closed, last hit kept, "ready!", "continue", stamp.
void runSeriesStep(ProgramState& state, Canvas& phaseImage, const SeriesStep& step, const PanelTexts& boxes,
                   const RunControls& controls, MainView& view);

// Makes the series directory current: "grafikon" below the working directory
// of the first call, created when missing. Returns false, leaving the working
// directory as it is, when it can be neither created nor entered.
bool enterSeriesDirectory(ProgramState& state);

// The whole queue as the desktop runs it, one table after the other.
void runSeries(ProgramState& state, Canvas& phaseImage, const PanelTexts& boxes, const RunControls& controls,
               MainView& view);
