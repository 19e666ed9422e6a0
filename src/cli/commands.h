#pragma once

#include <QCommandLineParser>
#include <QString>

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
    explicit Options(const QCommandLineParser& parser) : parser_(parser) {}
    bool isSet(const QString& name) const { return parser_.isSet(name); }
    double real(const QString& name) const;
    int integer(const QString& name) const;
    QString text(const QString& name) const;

private:
    QString required(const QString& name) const;
    const QCommandLineParser& parser_;
};

int runGeometry(const Options& options);
int runTrace(const Options& options);
