#pragma once
// The border fill of a table build: within the scan window, camera pixels whose entry is
// (-1, -1) take a value from nearby placed pixels. Four corner rectangles copy the entry at
// their lattice corner; four bands along the outline (from the MainPoints only) carry one
// component in from the nearest placed pixel of the same column or row.
#include <array>
#include <cstdint>

#include "base/calibration_grid.h"
#include "base/pixel_rect.h"
#include "calibration/camera_to_screen_table.h"

namespace halvertone {

enum class BorderRule : uint8_t {
    kTopLeft,      // copy the entry at G(0,0)
    kTopRight,     // ... at G(0,4)
    kBottomLeft,   // ... at G(4,0)
    kBottomRight,  // ... at G(4,4)
    kTopBand,      // x from the first placed row below, for the rows down to it
    kLeftBand,     // y from the first placed column to the right, for the columns up to it
    kBottomBand,   // x from the nearest placed row above, for all rows to the window's bottom
    kRightBand,    // y from the nearest placed column to the left, for all columns to the right
    kNone,
};

struct BorderZones {
    PixelRect window;
    // Top left, top right, bottom left, bottom right (right and bottom exclusive). A rectangle
    // whose lattice corner is not a frame pixel is empty, so a copy never reads outside the table.
    std::array<PixelRect, 4> corners{};
    std::array<PixelPoint, 4> cornerSources{};
    // Top, left, bottom, right: 5-vertex polygons, winding fill.
    std::array<std::array<PixelPoint, 5>, 4> bands{};
};

BorderZones MakeBorderZones(const CalibrationGrid& grid, const PixelRect& window);

// The first rule that applies to window pixel (x, y): a corner rectangle, tested in order, else
// the first band that `inBand(bandIndex)` reports as holding the pixel.
template <typename InBand>
BorderRule ChooseBorderRule(const BorderZones& zones, int32_t x, int32_t y, InBand&& inBand) {
    for (int i = 0; i < 4; ++i)
        if (zones.corners[i].Contains(x, y)) return static_cast<BorderRule>(i);
    for (int i = 0; i < 4; ++i)
        if (inBand(i)) return static_cast<BorderRule>(static_cast<int>(BorderRule::kTopBand) + i);
    return BorderRule::kNone;
}

// Applies `rule` to window pixel (x, y). A search that reaches the frame's edge without a value
// changes nothing.
void ApplyBorderRule(CameraToScreenTable& table, const BorderZones& zones, BorderRule rule,
                     int32_t x, int32_t y);

inline bool IsUnplaced(const PixelPoint& e) {
    return e.x == kUnknown && e.y == kUnknown;
}

// Visits the window's pixels row by row, each row left to right, and applies the first rule
// that fits each pixel that is (-1, -1) when it is reached. Entries only ever leave (-1, -1)
// during the fill, so only the pixels that start as (-1, -1) are visited.
void FillBorders(CameraToScreenTable& table, const BorderZones& zones);

}  // namespace halvertone
