#include "phase/series.h"

#include "dynamics/boundary.h"
#include "phase/image_files.h"
#include "platform/number_text.h"

#include <filesystem>
#include <system_error>

std::vector<SeriesStep> seriesSteps(char sep)
{
    std::vector<SeriesStep> steps;
    steps.reserve(kSeriesRuns);
    for (float p = 50.0f; p <= 100.0f; p += 5.0f) {
        const std::string bText = formatGeneral(static_cast<double>(0.01L * p), 15, 0, sep);
        for (float q = 1000.0f; q < 1200.0f; q += 5.0f) {
            const std::string rrText = formatGeneral(static_cast<double>(0.01L * q), 15, 0, sep);
            steps.push_back({static_cast<int>(steps.size()), bText, rrText});
        }
    }
    return steps;
}

void runSeriesStep(ProgramState& state, Canvas& phaseImage, const SeriesStep& step, const PanelTexts& boxes,
                   const RunControls& controls, MainView& view)
{
    MainView::call(view.seriesRun, step.index, kSeriesRuns);
    MainView::call(view.setEdit1Text, step.bText);
    MainView::call(view.setEdit2Text, step.rrText);
    readRunParameters(state, PanelTexts{step.bText, step.rrText, boxes.distance, boxes.angle, boxes.repeat}, view);
    state.progress = 0;
    BilliardState& st = state.billiard;
    launch(st, state.geometry, state.window, state.dataFile, state.bTyped);
    ++state.runCounter;

    // The whole phase plane, whatever the window: marks skip its test and offsets.
    PhaseWindow& w = state.window;
    w.scaleX = 778.0 / state.geometry.sEnd4;
    w.scaleY = 211.9938884644767; // 666 / 3.1416
    state.markSize = controls.pointSizeIndex + 2;
    blankPhaseImage(phaseImage, controls.colour);
    const MarkStamp stamp(phaseImage, state.markSize);
    const int m = state.markSize;
    const double scaleX = w.scaleX, scaleY = w.scaleY;
    runPasses(state, 1001, static_cast<long>(state.repeatCount) + 1, view, [&](const BilliardState& b) {
        drawMark(phaseImage, stamp, m, b.s * scaleX, b.theta * scaleY);
    });
    finishRun(state, phaseImage, controls, false, view);
}

bool enterSeriesDirectory(ProgramState& state)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (state.seriesDirectory.empty()) {
        const fs::path here = fs::current_path(ec);
        if (ec)
            return false;
        state.seriesDirectory = (here / kSeriesDirectory).string();
    }
    fs::create_directories(state.seriesDirectory, ec);
    fs::current_path(state.seriesDirectory, ec);
    return !ec;
}

void runSeries(ProgramState& state, Canvas& phaseImage, const PanelTexts& boxes, const RunControls& controls,
               MainView& view)
{
    for (const SeriesStep& step : seriesSteps(state.sep)) {
        runSeriesStep(state, phaseImage, step, boxes, controls, view);
        enterSeriesDirectory(state);
        savePortrait(state, phaseImage);
    }
}
