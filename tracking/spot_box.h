#pragma once
// The refined bounding box of the light spot; its centre is the spot position.
#include <cstdint>

#include "base/pixel_rect.h"

namespace halvertone {

struct SpotBox {
    int32_t minX = 1000;
    int32_t maxX = 0;
    int32_t minY = 1000;
    int32_t maxY = 0;

    // Integer division truncates toward zero; an empty box gives (500, 500), which lies
    // outside every region of the frame.
    PixelPoint Centre() const { return {minX + (maxX - minX) / 2, minY + (maxY - minY) / 2}; }
    friend bool operator==(const SpotBox&, const SpotBox&) = default;
};

}  // namespace halvertone
