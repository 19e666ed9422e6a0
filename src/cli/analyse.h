#pragma once

#include "cli/commands.h"

#include <QCommandLineOption>
#include <QList>

// "analyse": the right click's analysis at a phase point, the growth series
// and the line fit, printing Label11, Label4 after the series, Label4 after
// the fit and the gradient box, one per line.
QList<QCommandLineOption> analyseOptions();
int runAnalyse(const Options& options);

// "corner": the left click's corner approach at a phase point, printing Label11.
QList<QCommandLineOption> cornerOptions();
int runCorner(const Options& options);
