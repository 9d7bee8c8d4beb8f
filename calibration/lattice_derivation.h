#pragma once
// The twelve lattice points that are not measured, each the crossing of a lattice row line with
// a lattice column line through measured points.
#include "base/calibration_grid.h"
#include "base/pixel_rect.h"

namespace halvertone {

// Crossing of the line through p1, p2 with the line through p3, p4. The cross products a and b
// are 32-bit integers, the rest is double precision; each coordinate is truncated toward zero.
// Parallel lines follow the rules of calibration/int32_math.h (coincident ones give (0, 0)).
PixelPoint LineIntersection(PixelPoint p1, PixelPoint p2, PixelPoint p3, PixelPoint p4);

// Recomputes G(0,1), G(0,3), G(1,0), G(1,2), G(1,4), G(2,1), G(2,3), G(3,0), G(3,2), G(3,4),
// G(4,1) and G(4,3) from the thirteen measured points.
void DeriveLattice(CalibrationGrid& grid);

}  // namespace halvertone
