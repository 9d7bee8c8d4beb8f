#pragma once
// A point with fractional coordinates, in screen or camera pixels.
#include "base/pixel_rect.h"

namespace halvertone::sim {

struct Point2 {
    double x = 0;
    double y = 0;
};

// The centre of a whole pixel, which covers [x, x + 1) x [y, y + 1).
inline Point2 PixelCentre(PixelPoint p) {
    return {p.x + 0.5, p.y + 0.5};
}

}  // namespace halvertone::sim
