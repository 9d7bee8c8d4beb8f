#pragma once
// The newest points of the live stroke: a full buffer (the limit, 4 points) is one cubic
// Bezier piece. A few more places than the limit are kept because the start dot of a stroke
// is appended before the pen mode empties the buffer for the new stroke.
#include <array>
#include <cstdint>

#include "base/pixel_rect.h"

namespace halvertone {

struct SegmentBuffer {
    static constexpr int32_t kCapacity = 8;

    int32_t count = 0;
    int32_t limit = 4;
    std::array<PixelPoint, kCapacity> points{};

    // False (and nothing stored) when every place is taken.
    bool Append(PixelPoint p) {
        if (count >= kCapacity) return false;
        points[static_cast<size_t>(count++)] = p;
        return true;
    }
    const PixelPoint& Last() const { return points[static_cast<size_t>(count - 1)]; }
    void Reset() { count = 0; }
};

}  // namespace halvertone
