// vellacor-cli: the headless front end over the same operations as the
// desktop program. Numbers on its command line use '.' as the decimal point.

#include "cli/analyse.h"
#include "cli/commands.h"
#include "cli/portrait.h"
#include "cli/series.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <map>

namespace {

struct Command {
    const char* summary;
    QList<QCommandLineOption> options;
    std::function<int(const Options&)> run;
};

std::map<QString, Command> commands()
{
    return {
        {"geometry", {"print every field of the built table, one per line", tableOptions(), runGeometry}},
        {"trace",
         {"print the run data file of a launch followed by N bounces",
          tableOptions() + launchOptions()
              + QList<QCommandLineOption>{valueOption("bounces", "number of bounces", "N"),
                                          QCommandLineOption("last-only", "print only the row of the last bounce")},
          runTrace}},
        {"portrait",
         {"run \"go\" once from start-up with these boxes and save the portrait (and a zoom)", portraitOptions(),
          runPortrait}},
        {"analyse",
         {"the right-click analysis at a phase point: period, stability, growth series and line fit",
          analyseOptions(), runAnalyse}},
        {"corner", {"the left-click corner approach at a phase point", cornerOptions(), runCorner}},
        {"series",
         {"the 440 portraits of \"queue\" for these boxes, on every core or in shards", seriesOptions(),
          runSeriesCommand}},
    };
}

void printHelp(const std::map<QString, Command>& all)
{
    std::string text = "Usage: vellacor-cli COMMAND [options]\n\nCommands:\n";
    for (const auto& [name, command] : all) {
        text += "  " + name.toStdString() + ": " + command.summary + "\n";
        for (const auto& option : command.options) {
            std::string line = "      --" + option.names().first().toStdString();
            if (!option.valueName().isEmpty())
                line += " " + option.valueName().toStdString();
            text += line + std::string(line.size() < 28 ? 28 - line.size() : 1, ' ')
                    + option.description().toStdString() + "\n";
        }
    }
    text += "\nNumbers use '.' as the decimal point. --help prints this text.\n";
    std::fputs(text.c_str(), stdout);
}

int usageError(const std::string& message)
{
    std::fprintf(stderr, "vellacor-cli: %s\n", message.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const auto all = commands();
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 2 || args[1] == "--help" || args[1] == "-h" || args[1] == "help") {
        printHelp(all);
        return args.size() < 2 ? 2 : 0;
    }
    const auto found = all.find(args[1]);
    if (found == all.end())
        return usageError("unknown command '" + args[1].toStdString() + "' (see --help)");

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(found->second.options);
    const QCommandLineOption help(QStringList{"h", "help"}, "print the help");
    parser.addOption(help);
    QStringList commandArgs = args;
    commandArgs.removeAt(1);
    if (!parser.parse(commandArgs))
        return usageError(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        printHelp(all);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError("unexpected argument '" + parser.positionalArguments().first().toStdString() + "'");
    QStringList known;
    for (const auto& option : found->second.options)
        known << option.names();
    try {
        return found->second.run(Options(parser, known));
    } catch (const UsageError& e) {
        return usageError(e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vellacor-cli: %s\n", e.what());
        return 1;
    }
}
