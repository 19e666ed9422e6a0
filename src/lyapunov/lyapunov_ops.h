#pragma once

// The Lyapunov window's work without the window: the growth series after an
// analysis click, the graph, the line fit, the range bars and the results
// file. The desktop copies its controls into a LyapunovPanel and back; the
// command line keeps one panel for a whole run.

#include "dynamics/orbit_analysis.h"
#include "phase/program_state.h"
#include "platform/canvas.h"

#include <functional>
#include <optional>
#include <string>

inline constexpr int kGraphWidth = 409;
inline constexpr int kGraphHeight = 337;

// What the Lyapunov window shows and holds, with its start values.
struct LyapunovPanel {
    std::string edit1 = "500"; // block size
    std::string edit2 = "100"; // number of blocks
    std::string edit4;         // gradient of the last fit
    std::string edit5 = "0";   // gradients written on the current results line
    std::string label4 = "lg(Tr)max: ";
    int trackBar1Max = 400, trackBar1Position = 400; // right end of the fit
    int trackBar2Max = 400, trackBar2Position = 0;   // left end of the fit
    int tickFrequency = 4;
    bool checkBox4 = false; // main window's "Lg(Tr) graph to Ljapunov exponent"
    // Called before each plotted segment: make the window visible, repaint it.
    std::function<void()> showWindow;
    std::function<void()> repaintWindow;
};

// Green axes with four ticks each; leaves the pen black and clears nothing.
void drawGraphFrame(Canvas& graph);

// Edit3Change: Ymax from its box. A text that is not a number throws
// ConversionError and leaves yMax as it was.
void yMaxChange(ProgramState& state, const std::string& text);

// Image1DblClick: white graph with only the frame, gradient box emptied.
void clearGraph(Canvas& graph, LyapunovPanel& panel);

// The growth series from `reference`: "adat2.dat", the graph, lg(tr)max,
// the range bars and "ljap.bmp". Throws with a message naming the problem
// (block count below 1, Ymax 0, a file that cannot be written); a block
// count that is no number throws ConversionError. In every case "adat2.dat"
// has been created first, and nothing is drawn unless the inputs are good.
void growthSeriesRun(ProgramState& state, const BallState& reference, LyapunovPanel& panel, Canvas& graph);

// The analysis branch of the phase image's right click: the periodic-orbit
// analysis at the cursor point, then the growth series. Returns the new
// Label11 text (nullopt: Label11 keeps its text). showLabel11, when given,
// receives that text before the series starts, so that the answer shows even
// when the series then stops with an error.
std::optional<std::string> analysisClick(ProgramState& state, int sensitivityPosition, const std::string& edit6Text,
                                         LyapunovPanel& panel, Canvas& graph,
                                         const std::function<void(const std::string&)>& showLabel11 = {});

// The phase image's left click: the Label11 text of the corner approach.
std::string cornerApproachClick(ProgramState& state, int sensitivityPosition);

// "fit linear". Everything that can stop it is checked before the graph is
// touched: a block count that is no number, a series without scale
// (lg(tr)max 0), no readable "adat2.dat", fewer than two blocks in range,
// a block size below 1. Then the graph, results and labels stay as they were.
void fitLinear(ProgramState& state, LyapunovPanel& panel, Canvas& graph);

// A range bar's position changed (the user dragged it): the rule that keeps
// the left end left of the right end. Either may move a bar again, which
// runs its rule once more, as the window's change events do.
void trackBar1Change(ProgramState& state, LyapunovPanel& panel);
void trackBar2Change(ProgramState& state, LyapunovPanel& panel);
// Moves a bar as a program step or the user would: clamped to 0..maximum,
// and the bar's rule runs when the position changed.
void moveTrackBar1(ProgramState& state, LyapunovPanel& panel, int position);
void moveTrackBar2(ProgramState& state, LyapunovPanel& panel, int position);

// "write": appends the gradient to "ljap.dat", starting a new line with b and
// rr after the parameters were edited. A file that cannot be written throws
// with its name, and the counters stay as they were.
void writeResult(ProgramState& state, LyapunovPanel& panel);

// One row of "adat2.dat" and the fixed numbers of "ljap.dat", as printf's
// "%4i   %20f \n" and "%7f" write them, whatever the process locale.
std::string seriesRow(int block, double value);
std::string fixedSix(double v, int width);
