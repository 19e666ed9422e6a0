#pragma once

#include "dynamics/billiard_state.h"
#include "dynamics/run_data_file.h"
#include "geometry/phase_window.h"
#include "geometry/table_geometry.h"

#include <string>

// The program-wide records, owned in one place (the desktop program's main,
// or a CLI command) and passed by reference to the operations.
struct ProgramState {
    TableGeometry geometry;
    BilliardState billiard;
    PhaseWindow window;
    ResumeState resume;
    RunDataFile dataFile;

    // The user's locale's decimal separator, for labels, names and reading boxes.
    char sep = '.';

    double bTyped = 1.0;
    bool paramsEdited = true;
    int runCounter = 0;
    int repeatCount = 0;
    int markSize = 2;
    int progress = 0; // position of the progress bar, 0..1000
    double cursorS = 0.0;
    double cursorTheta = 0.0;
    std::string promptText;
    std::string summaryText;
    std::string imageStamp;

    // The queue's output directory, fixed at its first save.
    std::string seriesDirectory;

    // Zoom anchor and the sketch's boundary point, kept between mouse events.
    double anchorX = 0.0, anchorY = 0.0;
    double sketchBx = 0.0, sketchBy = 0.0;

    // Lyapunov window values (single precision where the graph keeps them).
    float graphStepX = 4.0f;
    float graphScaleY = 0.02f;
    float lgTrMax = 0.0f;
    float yMax = 40000.0f;
    int blockSize = 0;
    int blockCount = 0;
    int fitStart = 0;
    int fitEndCut = 0;
    int writeCount = 0;
    double gradient = 0.0;
};
