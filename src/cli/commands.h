#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string>

// A bad command line: one line on standard error, exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Typed access to the options of one command; every failure names the option
// and the text.
class Options {
public:
    Options(const QCommandLineParser& parser, QStringList known) : parser_(parser), known_(std::move(known)) {}
    // False for an option the command does not have.
    bool isSet(const QString& name) const { return known_.contains(name) && parser_.isSet(name); }
    double real(const QString& name) const;
    int integer(const QString& name) const;
    QString text(const QString& name) const;
    // A number's text as a box would hold it, checked to be a number with '.'.
    std::string boxText(const QString& name) const;

private:
    QString required(const QString& name) const;
    const QCommandLineParser& parser_;
    QStringList known_;
};

// An option that takes a value, as every command declares its options.
QCommandLineOption valueOption(const char* name, const char* help, const char* valueName);

// --b and --rr: the table.
QList<QCommandLineOption> tableOptions();
// --distance and --angle: the launch.
QList<QCommandLineOption> launchOptions();

int runGeometry(const Options& options);
int runTrace(const Options& options);
