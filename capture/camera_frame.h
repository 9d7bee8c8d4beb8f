#pragma once
// A camera frame: 640 x 480 pixels, 3 bytes each (blue, green, red), rows stored bottom-up
// without padding. Detectors read the green byte only.
#include <cstddef>
#include <cstdint>

namespace halvertone {

inline constexpr int kFrameWidth = 640;
inline constexpr int kFrameHeight = 480;
inline constexpr int kBytesPerPixel = 3;
inline constexpr size_t kFrameStride = size_t{kFrameWidth} * kBytesPerPixel;
inline constexpr size_t kFrameBytes = kFrameStride * kFrameHeight;  // 921 600

// Byte offset of image pixel (x, y), y = 0 being the top row of the picture.
constexpr size_t PixelOffset(int x, int y) {
    return (static_cast<size_t>(kFrameHeight - 1 - y) * kFrameWidth + static_cast<size_t>(x)) *
           kBytesPerPixel;
}

// Read-only view of one frame in a ring slot (never owns the bytes).
struct CameraFrame {
    const uint8_t* bytes = nullptr;

    uint8_t Green(int x, int y) const { return bytes[PixelOffset(x, y) + 1]; }
    // Start of image row y in memory.
    const uint8_t* Row(int y) const { return bytes + PixelOffset(0, y); }
};

}  // namespace halvertone
