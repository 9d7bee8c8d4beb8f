#pragma once
// Converting a floating value to an integer is undefined for NaN, infinities and values out
// of range; these helpers give every input a defined result.
#include <cmath>
#include <cstdint>
#include <limits>

namespace halvertone {

// Truncates toward zero; NaN gives 0, values beyond the int32 range saturate.
inline int32_t TruncateToInt32(double v) {
    if (std::isnan(v)) return 0;
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    constexpr double kMin = std::numeric_limits<int32_t>::min();
    if (v >= kMax) return std::numeric_limits<int32_t>::max();
    if (v <= kMin) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

}  // namespace halvertone
