#include "phase/panel.h"

#include "platform/conversion.h"
#include "platform/number_text.h"

#include <cmath>

namespace {

void discardResume(ProgramState& state, MainView& view)
{
    state.resume = ResumeState{};
    MainView::call(view.button1Caption, "go");
}

std::string radiiLine(const TableGeometry& g, char sep)
{
    return "r=" + formatGeneral(g.r, 5, 3, sep) + "  R8=" + formatGeneral(g.R8, 5, 3, sep) + "  R="
           + formatGeneral(g.R, 5, 3, sep);
}

std::string deltaDegrees(const TableGeometry& g, char sep)
{
    return formatGeneral(g.delta * 180.0 / kPi, 5, 3, sep);
}

} // namespace

std::string geometrySummaryText(const TableGeometry& g, char sep)
{
    std::string text;
    if (g.b == 1.0)
        text = "delta= " + deltaDegrees(g, sep) + " degree\n\n";
    text += radiiLine(g, sep);
    text += "\n\ncorners: " + formatGeneral(g.sEnd1, 7, 3, sep) + " .. " + formatGeneral(g.sEnd2, 7, 3, sep) + " .. "
            + formatGeneral(g.sEnd3, 7, 3, sep) + " .. " + formatGeneral(g.sEnd4, 7, 3, sep) + ")";
    return text;
}

std::string perimeterText(const TableGeometry& g, char sep)
{
    std::string text;
    if (g.b == 1.0)
        text = "delta=" + deltaDegrees(g, sep) + " degree\n";
    text += radiiLine(g, sep);
    text += "\n\nDistance from the first corner?\n(0 . . " + formatGeneral(g.sEnd1, 7, 5, sep) + " . . "
            + formatGeneral(g.sEnd2, 7, 5, sep) + " . . " + formatGeneral(g.sEnd3, 7, 5, sep) + " . . "
            + formatGeneral(g.sEnd4, 7, 5, sep) + ")";
    return text;
}

void edit1Change(ProgramState& state, const std::string& text, MainView& view)
{
    discardResume(state, view);
    state.paramsEdited = true;
    state.bTyped = textToReal(text, state.sep);
}

void edit1Exit(ProgramState& state, MainView& view)
{
    state.promptText = kPromptText;
    MainView::call(view.edit2Hint, state.promptText);
    MainView::call(view.label1, state.promptText);
}

void edit2Change(ProgramState& state)
{
    state.paramsEdited = true;
}

void buildFromTexts(ProgramState& state, const std::string& bText, const std::string& rrText)
{
    // Both texts are read before the build, so a bad ratio leaves the previous
    // table whole instead of new corners with old arcs.
    const double b = textToReal(bText, state.sep);
    const double rr = textToReal(rrText, state.sep);
    buildGeometry(state.geometry, state.window, b, rr);
}

void edit2Exit(ProgramState& state, const std::string& bText, const std::string& rrText, MainView& view)
{
    discardResume(state, view);
    buildFromTexts(state, bText, rrText);
    MainView::call(view.progress, 0);
    state.summaryText = perimeterText(state.geometry, state.sep);
    MainView::call(view.edit3Hint, state.summaryText);
    MainView::call(view.label1, state.summaryText);
}

void edit3Change(ProgramState& state, const std::string& text, MainView& view)
{
    state.resume = ResumeState{};
    state.paramsEdited = true;
    MainView::call(view.button1Caption, "go");
    state.billiard.s0 = textToReal(text, state.sep);
    state.summaryText = geometrySummaryText(state.geometry, state.sep);
    MainView::call(view.label1, state.summaryText);
}

void edit4Change(ProgramState& state, MainView& view)
{
    discardResume(state, view);
}

void readRunParameters(ProgramState& state, const PanelTexts& texts, MainView& view)
{
    buildFromTexts(state, texts.b, texts.rr);
    state.billiard.s0 = textToReal(texts.distance, state.sep);
    const double angle = textToReal(texts.angle, state.sep);
    state.billiard.cosTheta = std::cos(angle * kPi * (1.0 / 180.0));
    state.repeatCount = textToInteger(texts.repeat);
    MainView::call(view.progress, 0);
}

void enterParameters(ProgramState& state, const PanelTexts& texts, MainView& view)
{
    edit1Change(state, texts.b, view);
    edit1Exit(state, view);
    edit2Change(state);
    edit2Exit(state, texts.b, texts.rr, view);
    edit3Change(state, texts.distance, view);
    edit4Change(state, view);
}
