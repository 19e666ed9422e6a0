#include "cli/commands.h"

#include "dynamics/boundary.h"
#include "dynamics/bounce.h"
#include "platform/conversion.h"

#include <cmath>
#include <cstdio>

QCommandLineOption valueOption(const char* name, const char* help, const char* valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(help), QString::fromLatin1(valueName));
}

QList<QCommandLineOption> tableOptions()
{
    return {
        valueOption("b", "half the top side of the trapezoid (0 < b <= 1)", "B"),
        valueOption("rr", "ratio of the side-arc radius to the bottom-arc radius (>= 1)", "RR"),
    };
}

QList<QCommandLineOption> launchOptions()
{
    return {
        valueOption("distance", "launch distance along the perimeter from the top right corner", "S"),
        valueOption("angle", "launch angle to the tangent in degrees (0...180)", "DEG"),
    };
}

QString Options::required(const QString& name) const
{
    if (!isSet(name))
        throw UsageError("missing option --" + name.toStdString());
    return parser_.value(name);
}

double Options::real(const QString& name) const
{
    const QString value = required(name);
    try {
        return textToReal(value.toStdString(), '.');
    } catch (const ConversionError&) {
        throw UsageError("option --" + name.toStdString() + ": '" + value.toStdString() + "' is not a valid number");
    }
}

int Options::integer(const QString& name) const
{
    const QString value = required(name);
    try {
        return textToInteger(value.toStdString());
    } catch (const ConversionError&) {
        throw UsageError("option --" + name.toStdString() + ": '" + value.toStdString() + "' is not a valid integer");
    }
}

QString Options::text(const QString& name) const
{
    return required(name);
}

std::string Options::boxText(const QString& name) const
{
    real(name);
    return required(name).toStdString();
}

int runGeometry(const Options& options)
{
    const double b = options.real("b");
    const double rr = options.real("rr");
    TableGeometry g;
    PhaseWindow window;
    buildGeometry(g, window, b, rr);
    const struct { const char* name; double value; } fields[] = {
        {"b", g.b}, {"rr", g.rr}, {"alpha", g.alpha}, {"delta", g.delta},
        {"sideHalfAngle", g.sideHalfAngle}, {"bottomHalfAngle", g.bottomHalfAngle}, {"legTilt", g.legTilt},
        {"corner1.x", g.corner1.x}, {"corner1.y", g.corner1.y}, {"corner2.x", g.corner2.x},
        {"corner2.y", g.corner2.y}, {"corner3.x", g.corner3.x}, {"corner3.y", g.corner3.y},
        {"corner4.x", g.corner4.x}, {"corner4.y", g.corner4.y},
        {"x1", g.x1}, {"y1", g.y1}, {"r", g.r}, {"x2", g.x2}, {"y2", g.y2}, {"R8", g.R8},
        {"x3", g.x3}, {"y3", g.y3}, {"R", g.R}, {"x4", g.x4}, {"y4", g.y4},
        {"sEnd1", g.sEnd1}, {"sEnd2", g.sEnd2}, {"sEnd3", g.sEnd3}, {"sEnd4", g.sEnd4},
    };
    for (const auto& f : fields)
        std::printf("%s %.17g\n", f.name, f.value);
    return 0;
}

int runTrace(const Options& options)
{
    const double b = options.real("b");
    const double rr = options.real("rr");
    const double distance = options.real("distance");
    const double angle = options.real("angle");
    const int bounces = options.integer("bounces");
    const bool lastOnly = options.isSet("last-only");

    TableGeometry g;
    PhaseWindow window;
    BilliardState st;
    RunDataFile dataFile;
    buildGeometry(g, window, b, rr);
    st.s0 = distance;
    st.cosTheta = std::cos(angle * kPi * (1.0 / 180.0));

    // The header goes to standard output only when the whole file is asked for.
    std::FILE* sink = lastOnly ? std::fopen("/dev/null", "w") : stdout;
    dataFile.redirect = sink;
    launch(st, g, window, dataFile, b);
    for (int i = 0; i < bounces; ++i) {
        if (!bounce(st, g)) {
            closeRunDataFile(dataFile);
            std::printf("%s", kProblemText);
            return 1;
        }
        if (!lastOnly)
            writeRunDataRow(dataFile, st.hitX, st.hitY, st.s, st.theta);
    }
    closeRunDataFile(dataFile);
    if (lastOnly) {
        std::fclose(sink);
        if (bounces > 0) {
            char row[160];
            const int n = formatRunDataRow(row, st.hitX, st.hitY, st.s, st.theta);
            std::fwrite(row, 1, static_cast<std::size_t>(n), stdout);
        }
    }
    return 0;
}
