#pragma once

#include "cli/commands.h"

#include <QCommandLineOption>
#include <QList>

QList<QCommandLineOption> seriesOptions();
int runSeriesCommand(const Options& options);
