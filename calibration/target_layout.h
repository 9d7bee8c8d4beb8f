#pragma once
// Where the calibration targets are drawn on the screen. A target is a filled square from
// (l, t) to (l + S + 1, t + S + 1) (right and bottom exclusive) with a cross; the user holds the
// pen on the cross. Nine main targets stand in a 3 x 3 lattice from the screen's margins, four
// inner targets between them.
#include <cstdint>

#include "calibration/pixel_rect.h"
#include "calibration/target_lattice.h"

namespace halvertone {

// Top-left corner (l, t) of the main target at screen row i and column j (0..2 each).
PixelPoint MainTargetCorner(const TargetLattice& lattice, int i, int j);
// Top-left corner of the inner target at inner row a and inner column b (0..1 each).
PixelPoint InnerTargetCorner(const TargetLattice& lattice, int a, int b);

// Crossing of the target's cross: (l + S/2 + 1, t + S/2) for a main target; an inner target's
// cross sits one pixel nearer the square's top left, at (l + S/2, t + S/2).
PixelPoint MainTargetCentre(const TargetLattice& lattice, int i, int j);
PixelPoint InnerTargetCentre(const TargetLattice& lattice, int a, int b);

}  // namespace halvertone
