#pragma once
// After a calibration the outer ring of the lattice is pushed out from the outer targets'
// centres to the screen's edges, so that the table covers the whole screen.
#include "base/calibration_grid.h"
#include "calibration/target_layout.h"

namespace halvertone {

// Each outer point moves away from its inner neighbour by the camera distance that matches
// the screen distance from its target's centre to the screen's edge, plus one camera pixel.
// Products are 32-bit and wrap; divisions truncate. When the margins and the target size
// leave no room between the targets (quarter spacing <= 0), that direction is not extended:
// there is no spacing to scale by.
void ExtendOuterRing(CalibrationGrid& grid, const TargetGeometry& targets);

}  // namespace halvertone
