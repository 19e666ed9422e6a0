#include "cli/analyse.h"

#include "lyapunov/lyapunov_ops.h"
#include "phase/orbit_run.h"

#include <QDir>

#include <cstdio>
#include <string>

namespace {

QList<QCommandLineOption> pointOptions()
{
    return tableOptions() + QList<QCommandLineOption>{
        valueOption("distance", "the phase point's distance along the perimeter from the top right corner", "S"),
        valueOption("angle", "the phase point's angle to the tangent in degrees (0...180)", "DEG"),
        valueOption("sensitivity", "position of the sensitivity track bar, -100...10 (default -50): "
                                   "closeness tolerance = -POS / 1000", "POS"),
    };
}

// The table built from b and rr, the cursor on the phase point: where a
// right or left click on the phase portrait starts.
ProgramState stateAtPoint(const Options& options)
{
    ProgramState state;
    state.bTyped = options.real("b");
    buildGeometry(state.geometry, state.window, state.bTyped, options.real("rr"));
    state.cursorS = options.real("distance");
    state.cursorTheta = options.real("angle") * kPi / 180.0;
    return state;
}

int sensitivity(const Options& options)
{
    return options.isSet("sensitivity") ? options.integer("sensitivity") : -50;
}

void printLine(const std::string& text)
{
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

} // namespace

QList<QCommandLineOption> analyseOptions()
{
    QList<QCommandLineOption> list = pointOptions();
    list << valueOption("period", "the period box's text: \"0\" (default) searches the period", "TEXT")
         << valueOption("blocksize", "bounces per block of the growth series (default 500)", "N")
         << valueOption("blocks", "number of blocks of the growth series (default 100)", "N")
         << valueOption("fit-start", "left cut of the line fit (default: where the series leaves it)", "N")
         << valueOption("fit-end-cut", "right cut of the line fit, counted from the last block "
                                       "(default: where the series leaves it)", "N")
         << QCommandLineOption("graph", "draw the series into ljap.bmp, as the ticked \"Lg(Tr) graph\" box does")
         << valueOption("out-dir", "directory for adat2.dat and ljap.bmp (default: the working directory)", "DIR");
    return list;
}

QList<QCommandLineOption> cornerOptions() { return pointOptions(); }

int runAnalyse(const Options& options)
{
    ProgramState state = stateAtPoint(options);
    const int position = sensitivity(options);
    const std::string period = options.isSet("period") ? options.text("period").toStdString() : "0";
    LyapunovPanel panel;
    if (options.isSet("blocksize"))
        panel.edit1 = options.text("blocksize").toStdString();
    if (options.isSet("blocks"))
        panel.edit2 = options.text("blocks").toStdString();
    panel.checkBox4 = options.isSet("graph");
    const bool cutStart = options.isSet("fit-start"), cutEnd = options.isSet("fit-end-cut");
    const int fitStart = cutStart ? options.integer("fit-start") : 0;
    const int fitEndCut = cutEnd ? options.integer("fit-end-cut") : 0;
    const QString outDir = options.isSet("out-dir") ? options.text("out-dir") : QString(".");
    if (!QDir().mkpath(outDir) || !QDir::setCurrent(outDir))
        throw UsageError("option --out-dir: cannot use directory '" + outDir.toStdString() + "'");

    Canvas graph(kGraphWidth, kGraphHeight);
    bool labelShown = false;
    try {
        // Label11 keeps its start-up text, empty, when the analysis leaves it.
        const auto label = analysisClick(state, position, period, panel, graph, [&](const std::string& text) {
            printLine(text);
            labelShown = true;
        });
        if (!label)
            printLine("");
        labelShown = true;
        printLine(panel.label4);
        if (cutStart)
            moveTrackBar2(state, panel, fitStart);
        if (cutEnd)
            moveTrackBar1(state, panel, panel.trackBar1Max - fitEndCut);
        fitLinear(state, panel, graph);
        printLine(panel.label4);
        printLine(panel.edit4);
    } catch (const BounceProblem& e) {
        std::printf("%s", e.what());
        return 1;
    } catch (const std::exception& e) {
        if (!labelShown)
            printLine("");
        std::fprintf(stderr, "vellacor-cli: %s\n", e.what());
        return 1;
    }
    return 0;
}

int runCorner(const Options& options)
{
    ProgramState state = stateAtPoint(options);
    const int position = sensitivity(options);
    try {
        printLine(cornerApproachClick(state, position));
    } catch (const BounceProblem& e) {
        std::printf("%s", e.what());
        return 1;
    }
    return 0;
}
