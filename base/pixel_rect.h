#pragma once
// Rectangles and points in pixels; right and bottom exclusive, as in GDI.
#include <cstdint>

namespace halvertone {

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // Left and top edges inside, right and bottom edges outside.
    bool Contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

inline constexpr PixelRect kWholeFrame{0, 0, 640, 480};

}  // namespace halvertone
