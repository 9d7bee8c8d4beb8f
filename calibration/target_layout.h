#pragma once
// Where the calibration targets appear on the screen and how they look. The targets are drawn
// as a list of shapes that a screen painter executes (straight onto the desktop in the
// program, recorded in tests).
#include <cstdint>
#include <vector>

#include "base/pixel_rect.h"
#include "calibration/visiting_order.h"

namespace halvertone {

struct TargetGeometry {
    int32_t size = 16;    // "Calibration Size", side of a target square
    int32_t shiftX = 10;  // "Calibration Shift X", left and right margin
    int32_t shiftY = 10;  // "Calibration Shift Y", top and bottom margin
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;
};

// Top-left corner of main target at screen row i and column j (0..2 each).
PixelPoint MainTargetOrigin(const TargetGeometry& g, int i, int j);
// Top-left corner of inner target at inner row a and inner column b (0..1 each).
PixelPoint InnerTargetOrigin(const TargetGeometry& g, int a, int b);

// Colours as 0x00BBGGRR.
inline constexpr uint32_t kWhite = 0x00FFFFFF;
inline constexpr uint32_t kBlack = 0x00000000;
inline constexpr uint32_t kRed = 0x000000FF;
inline constexpr uint32_t kGreen = 0x0000FF00;

struct TargetLine {
    PixelPoint from;
    PixelPoint to;  // not drawn itself, like a GDI line's end point
    friend bool operator==(const TargetLine&, const TargetLine&) = default;
};

// A filled square with a 1-pixel border in the pen colour and a cross through its middle.
struct TargetShape {
    PixelRect square;  // right and bottom exclusive
    TargetLine horizontal;
    TargetLine vertical;
    uint32_t penColor = kWhite;
    uint32_t fillColor = kBlack;
    friend bool operator==(const TargetShape&, const TargetShape&) = default;
};

enum class TargetStyle { kMeasured, kCurrent };

TargetShape MainTarget(const TargetGeometry& g, int i, int j, TargetStyle style);
TargetShape InnerTarget(const TargetGeometry& g, int a, int b, TargetStyle style);

// The nine main and four inner targets, all in one style, main targets first.
std::vector<TargetShape> AllTargets(const TargetGeometry& g, TargetStyle style);

// Where the user holds the pen on a target: the crossing of its two lines.
inline PixelPoint CrossOf(const TargetShape& target) {
    return {target.vertical.from.x, target.horizontal.from.y};
}

// What is on the screen at `progress`: while the main targets are measured, the measured ones
// and the current one; afterwards all nine main targets as measured, the measured inner
// targets and the current one. The current target comes last so it is drawn on top.
std::vector<TargetShape> TargetsToDraw(const TargetGeometry& g, const TargetProgress& progress);

}  // namespace halvertone
