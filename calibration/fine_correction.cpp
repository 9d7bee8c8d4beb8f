#include "calibration/fine_correction.h"

#include <algorithm>
#include <array>
#include <span>

#include "calibration/calibration_grid.h"
#include "calibration/int32_math.h"

namespace halvertone {
namespace {

struct Correction {
    PixelRect screenRect;
    int32_t dy;
};

}  // namespace

void ApplyFineCorrection(CameraToScreenTable& table, const PixelRect& window,
                         int32_t projectorPosition, int32_t w, int32_t h) {
    std::array<Correction, 3> rules{};
    size_t count = 0;
    if (projectorPosition == kUpright || projectorPosition == kMirroredLeftRight) {
        rules[count++] = {{0, h / 6, w, h / 3}, 3};
        rules[count++] = {{0, Mul32(5, h) / 8, w / 6, Sub32(h, h / 8)}, 4};
        rules[count++] = {{Sub32(w, w / 6), Mul32(5, h) / 8, w, Sub32(h, h / 8)}, 4};
    } else if (projectorPosition == kTurned180 || projectorPosition == kMirroredTopBottom) {
        rules[count++] = {{0, h / 14, w, Mul32(3, h) / 7}, -4};
        rules[count++] = {{0, Mul32(4, h) / 7, w, Mul32(6, h) / 7}, -4};
    }
    if (count == 0) return;
    const std::span<const Correction> active(rules.data(), count);
    // Most entries lie outside every rectangle's rows: reject those with one range test.
    int32_t rowsFrom = active[0].screenRect.top, rowsTo = active[0].screenRect.bottom;
    for (const Correction& c : active) {
        rowsFrom = std::min(rowsFrom, c.screenRect.top);
        rowsTo = std::max(rowsTo, c.screenRect.bottom);
    }

    // Each entry is corrected on its own, so the table's column order serves.
    const int32_t left = std::max(window.left, 0), right = std::min(window.right, kFrameWidth);
    const int32_t top = std::max(window.top, 0), bottom = std::min(window.bottom, kFrameHeight);
    const auto rows = static_cast<uint64_t>(int64_t{rowsTo} - rowsFrom);
    for (int32_t x = left; x < right; ++x) {
        PixelPoint* column = &table.At(x, 0);
        for (int32_t y = top; y < bottom; ++y) {
            PixelPoint& e = column[y];
            if (static_cast<uint64_t>(int64_t{e.y} - rowsFrom) >= rows) continue;
            if (e.x == kUnknown || e.y == kUnknown) continue;
            for (const Correction& c : active) {
                if (!c.screenRect.Contains(e.x, e.y)) continue;
                e.y = Add32(e.y, c.dy);
                break;
            }
        }
    }
}

}  // namespace halvertone
