#include "phase/orbit_run.h"

#include "dynamics/boundary.h"
#include "phase/image_files.h"
#include "platform/conversion.h"
#include "platform/number_text.h"

namespace {

std::string cornersText(const TableGeometry& g, char sep)
{
    std::string text;
    for (Point c : {g.corner1, g.corner2, g.corner3, g.corner4})
        text += formatGeneral(c.x, 7, 0, sep) + " " + formatGeneral(c.y, 7, 0, sep) + " ";
    return text;
}

void prepareMarks(ProgramState& state, Canvas& phaseImage, const RunControls& controls)
{
    state.markSize = controls.pointSizeIndex + 2;
    phaseImage.ensureDrawable();
    phaseImage.setPenColor(controls.colour);
    phaseImage.setBrushColor(controls.colour);
}

} // namespace

std::string takeDataFileFailure(ProgramState& state)
{
    if (!state.dataFile.openFailed)
        return {};
    state.dataFile.openFailed = false;
    return "\"" + state.dataFile.failedPath + "\" could not be created; no rows were written";
}

void plotOrbit(ProgramState& state, Canvas& phaseImage, long passes, long perPass, MainView& view)
{
    const MarkStamp stamp(phaseImage, state.markSize);
    const PhaseWindow w = state.window;
    const int m = state.markSize;
    runPasses(state, passes, perPass, view,
              [&](const BilliardState& st) { markHit(phaseImage, stamp, m, w, st.s, st.theta); });
}

void finishRun(ProgramState& state, Canvas& phaseImage, const RunControls& controls, bool save, MainView& view)
{
    BilliardState& st = state.billiard;
    if (controls.grid)
        drawGrid(phaseImage, state.geometry, state.window, st, state.window.scaleX, state.window.scaleY);
    closeRunDataFile(state.dataFile);
    state.resume = ResumeState{st.hitX, st.hitY, st.newVx, st.newVy};
    MainView::call(view.label8, "ready!");
    MainView::call(view.button1Caption, "continue");
    refreshStamp(state);
    if (save)
        savePortrait(state, phaseImage);
}

void runGo(ProgramState& state, Canvas& phaseImage, const PanelTexts& texts, const RunControls& controls,
           MainView& view)
{
    readRunParameters(state, texts, view);
    state.progress = 0;
    state.summaryText = geometrySummaryText(state.geometry, state.sep);
    MainView::call(view.label1, state.summaryText);

    BilliardState& st = state.billiard;
    if (state.resume.held()) {
        st.x = state.resume.x;
        st.y = state.resume.y;
        st.vx = state.resume.vx;
        st.vy = state.resume.vy;
    } else {
        launch(st, state.geometry, state.window, state.dataFile, state.bTyped);
    }
    ++state.runCounter;
    prepareMarks(state, phaseImage, controls);

    if (controls.dataFile && isOpen(state.dataFile)) {
        const MarkStamp stamp(phaseImage, state.markSize);
        const PhaseWindow w = state.window;
        const int m = state.markSize;
        RunDataFile& file = state.dataFile;
        runPasses(state, 1000, state.repeatCount, view, [&](const BilliardState& b) {
            markHit(phaseImage, stamp, m, w, b.s, b.theta);
            writeRunDataRow(file, b.hitX, b.hitY, b.s, b.theta);
        });
    } else {
        plotOrbit(state, phaseImage, 1000, state.repeatCount, view);
    }

    // The status line shows the corners until the save is through, then kx.
    MainView::call(view.label11, cornersText(state.geometry, state.sep));
    finishRun(state, phaseImage, controls, controls.savePortrait, view);
    std::string status = formatGeneral(state.window.kx, 15, 0, state.sep);
    if (const std::string failure = takeDataFileFailure(state); !failure.empty())
        status += "\n" + failure;
    MainView::call(view.label11, status);
}

void runDoubleClick(ProgramState& state, Canvas& phaseImage, const std::string& repeatText,
                    const RunControls& controls, MainView& view)
{
    state.repeatCount = textToInteger(repeatText);
    state.progress = 0;
    MainView::call(view.progress, 0);
    prepareMarks(state, phaseImage, controls);
    plotOrbit(state, phaseImage, 1001, static_cast<long>(state.repeatCount) + 1, view);
    finishRun(state, phaseImage, controls, controls.savePortrait, view);
}

void loadPortrait(ProgramState& state, Canvas& phaseImage, const std::string& path, MainView& view)
{
    std::string error;
    if (!phaseImage.loadPicture(path, error))
        throw FileError(error);
    state.runCounter = 2;

    const PortraitNameFields f = parsePortraitPath(path);
    state.bTyped = textToReal(f.bText, state.sep);
    MainView::call(view.setEdit1Text, f.bText);
    state.geometry.rr = textToReal(f.rrText, state.sep);
    MainView::call(view.setEdit2Text, f.rrText);
    PhaseWindow& w = state.window;
    w.kx = textToReal(f.kxText, state.sep);
    w.kn = textToReal(f.knText, state.sep);
    w.px = textToReal(f.pxText, state.sep);
    w.pn = textToReal(f.pnText, state.sep);

    buildFromTexts(state, f.bText, f.rrText);
    w.scaleX = 778.0 / (w.kx - w.kn);
    w.scaleY = 666.0 / (w.px - w.pn);
    launch(state.billiard, state.geometry, w, state.dataFile, state.bTyped);
    state.progress = 0;
    MainView::call(view.progress, 0);
    MainView::call(view.label11, "loaded:\nB= " + formatGeneral(state.bTyped, 15, 0, state.sep)
                                     + "  erperer= " + formatGeneral(state.geometry.rr, 15, 0, state.sep));
}
