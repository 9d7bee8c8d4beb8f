#pragma once
// One screen position per camera pixel, stored column by column (index x * 480 + y).
// A component of -1 is unknown.
#include <array>
#include <cstdint>

#include "base/pixel_rect.h"
#include "capture/camera_frame.h"

namespace halvertone {

inline constexpr int32_t kUnknown = -1;

class CameraToScreenTable {
  public:
    static constexpr size_t kEntries = size_t{kFrameWidth} * kFrameHeight;

    static constexpr size_t Index(int32_t x, int32_t y) {
        return static_cast<size_t>(x) * kFrameHeight + static_cast<size_t>(y);
    }
    static constexpr bool InFrame(int32_t x, int32_t y) {
        return x >= 0 && x < kFrameWidth && y >= 0 && y < kFrameHeight;
    }

    PixelPoint& At(int32_t x, int32_t y) { return entries_[Index(x, y)]; }
    const PixelPoint& At(int32_t x, int32_t y) const { return entries_[Index(x, y)]; }
    const std::array<PixelPoint, kEntries>& Entries() const { return entries_; }
    std::array<PixelPoint, kEntries>& Entries() { return entries_; }

  private:
    std::array<PixelPoint, kEntries> entries_{};  // zero in a fresh process
};

static_assert(sizeof(CameraToScreenTable) == 2457600);

}  // namespace halvertone
