#pragma once

#include "cli/commands.h"

#include <QCommandLineOption>
#include <QList>

#include "phase/orbit_run.h"

QList<QCommandLineOption> portraitOptions();
// The point size, colour and grid options as the run reads its controls;
// "save phasespace" ticked, "data file" as --data-file says.
RunControls portraitControls(const Options& options);
int runPortrait(const Options& options);
