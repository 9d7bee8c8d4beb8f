#pragma once
// Plausibility of a measured calibration target: the first target tells how the camera sees
// the screen; every later main target must lie at about the expected distance from the points
// already measured, and each inner target well inside its quadrant.
#include <cstdint>

#include "base/calibration_grid.h"
#include "base/pixel_rect.h"

namespace halvertone {

// "d within e": (3e)/5 <= d <= (7e)/5, each bound truncated toward zero.
bool Within(int64_t d, int64_t e);

// ProjectorPosition from the first target's camera position: bottom right 1 (turned by 180
// degrees), top right 2, bottom left 3, otherwise 0 (also exactly on either middle line).
int32_t ProjectorPositionFromFirstTarget(PixelPoint p);

// Main target of visiting step 2..9 (step 1 is the first target) against the points measured
// before it. Horizontal distances are reversed for positions 1 and 2, vertical ones for 1 and
// 3; any value other than 0..3 accepts every point, as does a step outside 2..9.
bool PlausibleMainTarget(int step, PixelPoint p, const CalibrationGrid& grid, int32_t position);

// Inner target n = 0..3 (G(1,1), G(1,3), G(3,1), G(3,3)): at least 20 camera pixels inside the
// box of its quadrant, bounds included. Other n pass.
bool InnerTargetInside(int n, PixelPoint p, const CalibrationGrid& grid);

}  // namespace halvertone
