#pragma once
// The side in pixels of the eraser square for a width setting of the toolbar.
#include <cstdint>

namespace halvertone {

constexpr int32_t EraserSide(int32_t widthSetting) {
    // A negative setting (a hand-edited settings file) erases like 0 rather than giving a
    // negative square.
    if (widthSetting < 0) widthSetting = 0;
    if (widthSetting < 5) return 4 * widthSetting + 5;
    if (widthSetting <= 30) return 2 * widthSetting + 21;
    return 80;
}

}  // namespace halvertone
