#pragma once
// Size of the primary screen in pixels and the screen pixels per camera pixel of the nominal
// 640 x 480 frame. Read at start-up and again after every display change.
#include <algorithm>
#include <cstdint>

#include "base/shared_value.h"

namespace halvertone {

// No screen is this wide or high; screen sizes and the calibration targets' size and margins
// are held within it where they are read, so the target arithmetic cannot overflow.
inline constexpr int32_t kScreenExtentLimit = 65535;

struct ScreenMetrics {
    SharedValue<int32_t> width{1024};
    SharedValue<int32_t> height{768};
    double scaleX = 1024 / 640.0;
    double scaleY = 768 / 480.0;

    void Set(int32_t w, int32_t h) {
        w = std::clamp(w, 0, kScreenExtentLimit);
        h = std::clamp(h, 0, kScreenExtentLimit);
        width = w;
        height = h;
        scaleX = w / 640.0;
        scaleY = h / 480.0;
    }
};

}  // namespace halvertone
