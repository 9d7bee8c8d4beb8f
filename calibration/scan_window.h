#pragma once
// The working area of a table build: the ActiveRegion's bounding box within the frame, widened
// by twice "Calibration Shift X" to the left and right and twice "Calibration Shift Y" up and
// down (screen-pixel settings used as camera-pixel counts), kept within the frame.
#include <cstdint>

#include "base/pixel_rect.h"

namespace halvertone {

// A box that misses the frame counts as (0, 0, 0, 0) before widening, as an empty
// intersection of rectangles does.
PixelRect WidenedScanWindow(const PixelRect& regionBox, int32_t shiftX, int32_t shiftY);

}  // namespace halvertone
