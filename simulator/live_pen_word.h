#pragma once
// The virtual pen as another process steers it live: one 64-bit word read and written whole,
// so the camera never sees a position half updated. Bits 0-23 and 24-47 hold x and y biased
// by 2^20 (the pen may point off the screen), bit 48 the light.
#include <cstdint>

#include "simulator/pen_script.h"

namespace halvertone::sim {

inline constexpr int32_t kLivePenBias = 1 << 20;
inline constexpr int32_t kLivePenMin = -kLivePenBias;
inline constexpr int32_t kLivePenMax = (1 << 24) - 1 - kLivePenBias;

constexpr int32_t ClampLivePen(int32_t v) {
    return v < kLivePenMin ? kLivePenMin : v > kLivePenMax ? kLivePenMax : v;
}

constexpr uint64_t PackLivePen(bool down, int32_t x, int32_t y) {
    const auto bx = static_cast<uint64_t>(ClampLivePen(x) + kLivePenBias);
    const auto by = static_cast<uint64_t>(ClampLivePen(y) + kLivePenBias);
    return bx | (by << 24) | (static_cast<uint64_t>(down ? 1 : 0) << 48);
}

constexpr PenSample UnpackLivePen(uint64_t word) {
    const auto x = static_cast<int32_t>(word & 0xFFFFFF) - kLivePenBias;
    const auto y = static_cast<int32_t>((word >> 24) & 0xFFFFFF) - kLivePenBias;
    return PenSample{((word >> 48) & 1) != 0, static_cast<double>(x), static_cast<double>(y)};
}

}  // namespace halvertone::sim
