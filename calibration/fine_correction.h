#pragma once
// The last adjustment of a table build: entries inside the scan window whose screen position
// falls in certain bands of the screen have their y moved by a few pixels, depending on how the
// camera sees the screen.
#include <cstdint>

#include "base/pixel_rect.h"
#include "calibration/camera_to_screen_table.h"

namespace halvertone {

// ProjectorPosition 0 or 2: y + 3 in (0, H/6, W, H/3), else y + 4 in (0, 5H/8, W/6, H - H/8)
// or (W - W/6, 5H/8, W, H - H/8). 1 or 3: y - 4 in (0, H/14, W, 3H/7) or (0, 4H/7, W, 6H/7).
// Rectangles include their left and top edges; only the first match applies; an entry with a
// -1 component is left alone; other positions change nothing. Entries outside the
// ActiveRegion that lie in the window are corrected too.
void ApplyFineCorrection(CameraToScreenTable& table, const PixelRect& window,
                         int32_t projectorPosition, int32_t screenWidth, int32_t screenHeight);

}  // namespace halvertone
