#pragma once

#include <cstdint>

// The moving ball. The hit fields, newVx/newVy, s and theta describe the last
// bounce; x, y, vx, vy the ball before the next one.
struct BilliardState {
    double s0 = 0.0;
    double cosTheta = 0.0;
    double x = 0.0, y = 0.0;
    double vx = 0.0, vy = 0.0;
    double tx = 0.0, ty = 0.0;
    double flight = 0.0;
    double hitX = 0.0, hitY = 0.0;
    double hitCx = 0.0, hitCy = 0.0, hitRadius = 0.0;
    std::int32_t arcIndex = 0;
    double newVx = 0.0, newVy = 0.0;
    double s = 0.0;
    double theta = 0.0;
};

// The last hit point and reflected direction of a run; "held" when any is not 0.
struct ResumeState {
    double x = 0.0, y = 0.0, vx = 0.0, vy = 0.0;

    bool held() const { return x != 0.0 || y != 0.0 || vx != 0.0 || vy != 0.0; }
};
