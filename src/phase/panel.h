#pragma once

#include "phase/main_view.h"
#include "phase/program_state.h"

#include <string>

// The texts of the five parameter boxes as the user typed them.
struct PanelTexts {
    std::string b, rr, distance, angle, repeat;
};

inline constexpr const char* kPromptText = "What is the parameter of the transformation!\n(1-circle ... infinite-squash)";

// "r=... R8=... R=..." and the corner positions, shown while a distance is typed and after "go".
std::string geometrySummaryText(const TableGeometry& g, char sep);
// The same radii and the range of sensible distances, shown when the ratio box is left.
std::string perimeterText(const TableGeometry& g, char sep);

// The handlers of the parameter boxes. Each converts where it must and stops
// there with a ConversionError; what it did before stays done.
void edit1Change(ProgramState& state, const std::string& text, MainView& view);
void edit1Exit(ProgramState& state, MainView& view);
void edit2Change(ProgramState& state);
// Builds the table from the b and ratio boxes; the caller redraws the sketch after it.
void edit2Exit(ProgramState& state, const std::string& bText, const std::string& rrText, MainView& view);
void edit3Change(ProgramState& state, const std::string& text, MainView& view);
void edit4Change(ProgramState& state, MainView& view);

// What typing the five boxes in order and leaving each does, as a user starts:
// b (then leaving it), rr (then leaving it: the table is built), distance, angle.
// The caller draws the sketch after the ratio box is left, where it has one.
void enterParameters(ProgramState& state, const PanelTexts& texts, MainView& view);

// Reads b and rr, builds the table, then the launch distance, angle and repeat
// count, and sets the progress bar to 0.
void readRunParameters(ProgramState& state, const PanelTexts& texts, MainView& view);
// Builds the table from two box texts, as the ratio box's exit and the load do.
void buildFromTexts(ProgramState& state, const std::string& bText, const std::string& rrText);
