#include "cli/portrait.h"

#include "phase/image_files.h"
#include "phase/orbit_run.h"
#include "phase/panel.h"
#include "phase/zoom.h"
#include "platform/conversion.h"

#include <QDir>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

std::vector<double> numberList(const Options& options, const QString& name, int count)
{
    const QString value = options.text(name);
    const QStringList parts = value.split(',');
    if (parts.size() != count)
        throw UsageError("option --" + name.toStdString() + ": '" + value.toStdString() + "' needs "
                         + std::to_string(count) + " numbers separated by commas");
    std::vector<double> numbers;
    for (const QString& part : parts) {
        try {
            numbers.push_back(textToReal(part.toStdString(), '.'));
        } catch (const ConversionError&) {
            throw UsageError("option --" + name.toStdString() + ": '" + part.toStdString() + "' is not a valid number");
        }
    }
    return numbers;
}

Rgb colourOption(const Options& options)
{
    if (!options.isSet("color"))
        return kBlack;
    const QString text = options.text("color");
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok || text.size() != 6)
        throw UsageError("option --color: '" + text.toStdString() + "' is not a colour RRGGBB in hexadecimal");
    return Rgb{std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
}

int sizeIndexOption(const Options& options)
{
    if (!options.isSet("size"))
        return 0;
    const QString size = options.text("size");
    if (size == "small")
        return 0;
    if (size == "big")
        return 1;
    throw UsageError("option --size: '" + size.toStdString() + "' is neither small nor big");
}

// Every option value is checked before anything is written.
struct PortraitRequest {
    PanelTexts texts;
    RunControls controls;
    bool hasWindow = false;
    std::vector<double> window, zoom, cursor;
    QString outDir;
};

PortraitRequest readRequest(const Options& options)
{
    PortraitRequest r;
    // The boxes get the texts the user would type: numbers with '.'.
    r.texts.b = options.boxText("b");
    r.texts.rr = options.boxText("rr");
    r.texts.distance = options.boxText("distance");
    r.texts.angle = options.boxText("angle");
    r.texts.repeat = std::to_string(options.integer("repeat"));
    r.controls = portraitControls(options);
    if ((r.hasWindow = options.isSet("window")))
        r.window = numberList(options, "window", 4);
    if (options.isSet("zoom") != options.isSet("cursor"))
        throw UsageError("options --zoom and --cursor go together");
    if (options.isSet("zoom")) {
        r.zoom = numberList(options, "zoom", 4);
        r.cursor = numberList(options, "cursor", 2);
        for (double v : r.zoom)
            if (v != std::floor(v) || std::fabs(v) > 1e6)
                throw UsageError("option --zoom: pixel positions are whole numbers");
    }
    r.outDir = options.isSet("out-dir") ? options.text("out-dir") : QString(".");
    return r;
}

} // namespace

RunControls portraitControls(const Options& options)
{
    RunControls c;
    c.dataFile = options.isSet("data-file");
    c.grid = !options.isSet("no-grid");
    c.savePortrait = true;
    c.pointSizeIndex = sizeIndexOption(options);
    c.colour = colourOption(options);
    return c;
}

QList<QCommandLineOption> portraitOptions()
{
    return tableOptions() + launchOptions() + QList<QCommandLineOption>{
        valueOption("repeat", "repeat count: the run makes 1000 x N bounces", "N"),
        valueOption("size", "point size: small (default) or big", "small|big"),
        valueOption("color", "point colour in hexadecimal, default 000000", "RRGGBB"),
        QCommandLineOption("no-grid", "leave the grid out"),
        QCommandLineOption("data-file", "write one row per bounce into adat.dat"),
        valueOption("window", "phase window bounds before the run, as a load sets them", "KN,KX,PN,PX"),
        valueOption("zoom", "after the run, a right drag between these phase-image pixels", "X1,Y1,X2,Y2"),
        valueOption("cursor", "the phase point under the pointer before the drag", "S,DEG"),
        valueOption("out-dir", "directory for adat.dat and the portraits (default: the working directory)", "DIR"),
    };
}

int runPortrait(const Options& options)
{
    const PortraitRequest r = readRequest(options);
    if (!QDir().mkpath(r.outDir) || !QDir::setCurrent(r.outDir))
        throw UsageError("option --out-dir: cannot use directory '" + r.outDir.toStdString() + "'");

    ProgramState state;
    Canvas phase(kPhaseImageWidth, kPhaseImageHeight);
    MainView view;
    try {
        enterParameters(state, r.texts, view);
        if (r.hasWindow) {
            state.window.kn = r.window[0];
            state.window.kx = r.window[1];
            state.window.pn = r.window[2];
            state.window.px = r.window[3];
        }
        runGo(state, phase, r.texts, r.controls, view);
        std::printf("%s\n", portraitName(state).c_str());
        if (!r.zoom.empty()) {
            state.cursorS = r.cursor[0];
            state.cursorTheta = r.cursor[1] * kPi / 180.0;
            state.billiard.s0 = state.cursorS;
            state.billiard.cosTheta = std::cos(state.cursorTheta);
            phaseMouseDown(state, MouseButton::Right, int(r.zoom[0]), int(r.zoom[1]));
            const int x = int(r.zoom[2]), y = int(r.zoom[3]);
            if (releaseAction(state, MouseButton::Right, x, y) != ReleaseAction::Zoom)
                throw UsageError("option --zoom: a drag along one row or column is no zoom");
            zoomTo(state, phase, x, y, r.controls, view);
            std::printf("%s\n", portraitName(state).c_str());
        }
    } catch (const BounceProblem& e) {
        std::printf("%s", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vellacor-cli: %s\n", e.what());
        return 1;
    }
    return 0;
}
