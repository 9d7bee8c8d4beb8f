#include "capture/frame_turn.h"

#include <utility>

#include "capture/camera_frame.h"

namespace halvertone {

void TurnFrame180(uint8_t* bytes, size_t length) {
    if (bytes == nullptr) return;
    const size_t pixels = length / kBytesPerPixel;
    if (pixels < 2) return;
    uint8_t* lo = bytes;
    uint8_t* hi = bytes + (pixels - 1) * kBytesPerPixel;
    while (lo < hi) {
        std::swap(lo[0], hi[0]);
        std::swap(lo[1], hi[1]);
        std::swap(lo[2], hi[2]);
        lo += kBytesPerPixel;
        hi -= kBytesPerPixel;
    }
}

}  // namespace halvertone
