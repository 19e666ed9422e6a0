#pragma once

// Between the Lyapunov window's controls and the LyapunovPanel its
// operations work on.

#include "lyapunov/lyapunov_ops.h"
#include "lyapunov/lyapunov_window.h"

#include <functional>
#include <optional>
#include <string>

// The controls' state; the callbacks show and repaint `form`. checkBox4 is
// the main window's "Lg(Tr) graph to Ljapunov exponent".
LyapunovPanel readPanel(Form3& form, bool checkBox4);

// Writes the panel back. The range bars are set with their change signals
// blocked: the operations have already run the bars' rules on the panel, so
// fitStart and fitEndCut match the positions, and letting the signals through
// would run the rules a second time against half-updated ranges.
void applyPanel(Form3& form, const LyapunovPanel& panel);

// The analysis branch of faziskepMouseUp on the desktop: the periodic-orbit
// analysis and the growth series into `form`. showLabel11 receives the new
// Label11 text before the series starts; the return value is the same text
// (nullopt: Label11 keeps its text). The window's controls are updated also
// when the series stops with an error, which is then rethrown.
std::optional<std::string> analysisClick(ProgramState& state, int sensitivityPosition, const std::string& edit6Text,
                                         Form3& form, bool checkBox4,
                                         const std::function<void(const std::string&)>& showLabel11);
