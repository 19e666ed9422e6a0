#pragma once

#include "cli/commands.h"

#include <QCommandLineOption>
#include <QList>

QList<QCommandLineOption> portraitOptions();
int runPortrait(const Options& options);
