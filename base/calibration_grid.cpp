#include "base/calibration_grid.h"

namespace halvertone {

std::array<PixelPoint, 16> CalibrationGrid::OuterRing() const {
    return {G(0, 0), G(0, 1), G(0, 2), G(0, 3), G(0, 4), G(1, 4), G(2, 4), G(3, 4),
            G(4, 4), G(4, 3), G(4, 2), G(4, 1), G(4, 0), G(3, 0), G(2, 0), G(1, 0)};
}

}  // namespace halvertone
