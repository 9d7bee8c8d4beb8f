#pragma once
// Screen geometry of the calibration targets: the screen's size and the "Calibration Shift X",
// "Calibration Shift Y" and "Calibration Size" settings, all in screen pixels.
#include <cstdint>

namespace halvertone {

struct TargetLattice {
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    int32_t shiftX = 10;  // left and right margin of the target lattice
    int32_t shiftY = 10;  // top and bottom margin
    int32_t size = 16;    // side of a target square
};

}  // namespace halvertone
