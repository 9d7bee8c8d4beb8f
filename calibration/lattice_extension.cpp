#include "calibration/lattice_extension.h"

#include "calibration/int32_math.h"

namespace halvertone {
namespace {

// The left and top ends of the lattice: first - (second - first) * margin / spacing - 1.
int32_t PushedBack(int32_t first, int32_t second, int32_t margin, int32_t spacing) {
    return Sub32(Sub32(first, Mul32(Sub32(second, first), margin) / spacing), 1);
}

// The right and bottom ends: last + (last - before) * margin / spacing + 1.
int32_t PushedOn(int32_t last, int32_t before, int32_t margin, int32_t spacing) {
    return Add32(Add32(last, Mul32(Sub32(last, before), margin) / spacing), 1);
}

}  // namespace

void ExtendOuterRing(CalibrationGrid& grid, const TargetGeometry& t) {
    const CalibrationGrid before = grid;  // every update reads the values before any update
    const int32_t fx = Add32(t.shiftX, t.size / 2);
    const int32_t gx = Sub32(Sub32(t.screenWidth, Mul32(2, t.shiftX)), t.size) / 4;
    const int32_t fy = Add32(t.shiftY, t.size / 2);
    const int32_t gy = Sub32(Sub32(t.screenHeight, Mul32(2, t.shiftY)), t.size) / 4;
    if (gx > 0) {
        for (int r = 0; r < 5; ++r) {
            grid.G(r, 0).x = PushedBack(before.G(r, 0).x, before.G(r, 1).x, fx, gx);
            grid.G(r, 4).x = PushedOn(before.G(r, 4).x, before.G(r, 3).x, fx, gx);
        }
    }
    if (gy > 0) {
        for (int c = 0; c < 5; ++c) {
            grid.G(0, c).y = PushedBack(before.G(0, c).y, before.G(1, c).y, fy, gy);
            grid.G(4, c).y = PushedOn(before.G(4, c).y, before.G(3, c).y, fy, gy);
        }
    }
}

}  // namespace halvertone
