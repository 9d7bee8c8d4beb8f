#include "calibration/lattice_lines.h"

#include "calibration/int32_math.h"

namespace halvertone {
namespace {

// 0, n/4, n/2 and three times the truncated quarter.
int32_t QuarterStart(int32_t n, int i) {
    switch (i) {
        case 0:
            return 0;
        case 1:
            return n / 4;
        case 2:
            return n / 2;
        default:
            return Mul32(3, n / 4);
    }
}

// Cells between five increasing lines; false when they are not increasing.
bool Between(const std::array<int64_t, 5>& line, std::array<int32_t, 4>& start,
             std::array<int32_t, 4>& span) {
    for (size_t i = 0; i < 4; ++i) {
        if (line[i + 1] <= line[i]) return false;
        start[i] = static_cast<int32_t>(line[i]);
        span[i] = static_cast<int32_t>(line[i + 1] - line[i]);
    }
    return true;
}

// Target positions are computed in plain 32-bit arithmetic; settings far beyond any screen
// are not worth the risk of overflowing it. Sizes, margins and screen sides of 2^24 or more
// in magnitude (either sign) are refused; -(2^24 - 1) .. 2^24 - 1 are drawn.
bool Drawable(const TargetGeometry& t) {
    constexpr int32_t kLimit = 1 << 24;
    for (int32_t v : {t.size, t.shiftX, t.shiftY, t.screenWidth, t.screenHeight})
        if (v <= -kLimit || v >= kLimit) return false;
    return true;
}

}  // namespace

LatticeLines QuarterLines(int32_t w, int32_t h) {
    LatticeLines lines;
    for (int i = 0; i < 4; ++i) {
        lines.cellX[static_cast<size_t>(i)] = QuarterStart(w, i);
        lines.cellY[static_cast<size_t>(i)] = QuarterStart(h, i);
        lines.cellWidth[static_cast<size_t>(i)] = Add32(w / 4, 1);
        lines.cellHeight[static_cast<size_t>(i)] = Add32(h / 4, 1);
    }
    return lines;
}

std::optional<LatticeLines> TargetLines(const TargetGeometry& t) {
    if (!Drawable(t)) return std::nullopt;
    const PixelPoint middle = CrossOf(MainTarget(t, 1, 1, TargetStyle::kMeasured));
    const PixelPoint first = CrossOf(InnerTarget(t, 0, 0, TargetStyle::kMeasured));
    const PixelPoint last = CrossOf(InnerTarget(t, 1, 1, TargetStyle::kMeasured));
    const std::array<int64_t, 5> columns{0, first.x, middle.x, last.x, t.screenWidth};
    const std::array<int64_t, 5> rows{0, first.y, middle.y, last.y, t.screenHeight};
    LatticeLines lines;
    if (Between(columns, lines.cellX, lines.cellWidth) &&
        Between(rows, lines.cellY, lines.cellHeight))
        return lines;
    return std::nullopt;
}

}  // namespace halvertone
