#include "calibration/scan_window.h"

#include <algorithm>

#include "capture/camera_frame.h"

namespace halvertone {

PixelRect WidenedScanWindow(const PixelRect& box, int32_t shiftX, int32_t shiftY) {
    PixelRect r{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, kFrameWidth),
                std::min(box.bottom, kFrameHeight)};
    if (r.Empty()) r = PixelRect{};
    const int64_t dx = int64_t{2} * shiftX, dy = int64_t{2} * shiftY;
    // Negative settings narrow the window; the bounds then only ever shrink toward each other
    // and the window may end up empty, never outside the frame.
    return PixelRect{static_cast<int32_t>(std::clamp<int64_t>(r.left - dx, 0, kFrameWidth)),
                     static_cast<int32_t>(std::clamp<int64_t>(r.top - dy, 0, kFrameHeight)),
                     static_cast<int32_t>(std::clamp<int64_t>(r.right + dx, 0, kFrameWidth)),
                     static_cast<int32_t>(std::clamp<int64_t>(r.bottom + dy, 0, kFrameHeight))};
}

}  // namespace halvertone
