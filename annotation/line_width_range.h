#pragma once
// The line-width dialog's slider: the widths it offers, its paging and tick spacing, and the
// label that shows the value.
#include <algorithm>
#include <cstdint>
#include <string>

namespace halvertone::line_width {

inline constexpr int32_t kMin = 3;
inline constexpr int32_t kMax = 100;
inline constexpr int32_t kPage = 5;
inline constexpr int32_t kTickEvery = 5;

// Where the slider stands for a width: a width outside the range (from the settings) sits at
// the nearer end.
constexpr int32_t SliderPosition(int32_t width) {
    return std::clamp(width, kMin, kMax);
}

inline std::string Label(int32_t value) {
    return std::to_string(value);
}

}  // namespace halvertone::line_width
