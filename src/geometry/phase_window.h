#pragma once

// The part of the phase plane (s, theta) that the phase image shows, and its
// pixel scales. A plain record: the table build lowers kx, launches and zooms
// rewrite it.
struct PhaseWindow {
    double kn = 0.0;
    double kx = 13.0;
    double pn = 0.0;
    double px = 3.141592653589793;
    double scaleX = 1.0;
    double scaleY = 211.9938884644767; // 666 / 3.1416, as the program always started
};
