#include "calibration/fine_correction.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "base/calibration_grid.h"
#include "calibration/int32_math.h"

namespace halvertone {
namespace {

struct Correction {
    PixelRect screenRect;
    int32_t dy;
};

// Screen bands taller than this are checked entry by entry, without a row look-up.
constexpr int64_t kMaxLookUpRows = 1 << 16;

// The first rule whose rectangle holds the entry moves it; a -1 component never matches.
void Correct(PixelPoint& e, std::span<const Correction> rules) {
    if (e.x == kUnknown || e.y == kUnknown) return;
    for (const Correction& c : rules) {
        if (!c.screenRect.Contains(e.x, e.y)) continue;
        e.y = Add32(e.y, c.dy);
        return;
    }
}

// Each entry is corrected on its own, so the table's column order serves.
template <typename Fn>
void ForEachEntry(CameraToScreenTable& table, const PixelRect& window, Fn&& fn) {
    const int32_t left = std::max(window.left, 0), right = std::min(window.right, kFrameWidth);
    const int32_t top = std::max(window.top, 0), bottom = std::min(window.bottom, kFrameHeight);
    for (int32_t x = left; x < right; ++x) {
        PixelPoint* column = &table.At(x, 0);
        for (int32_t y = top; y < bottom; ++y) fn(column[y]);
    }
}

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
    // Which rules' rows hold each screen row from the lowest top to the highest bottom (one bit
    // per rule), so that most entries are passed over after one look-up and the rest only
    // test columns.
    int32_t rowsFrom = rules[0].screenRect.top, rowsTo = rules[0].screenRect.bottom;
    for (size_t i = 0; i < count; ++i) {
        rowsFrom = std::min(rowsFrom, rules[i].screenRect.top);
        rowsTo = std::max(rowsTo, rules[i].screenRect.bottom);
    }
    const int64_t rows = std::max<int64_t>(int64_t{rowsTo} - rowsFrom, 0);
    const std::span<const Correction> active(rules.data(), count);
    if (rows > kMaxLookUpRows) {
        ForEachEntry(table, window, [&](PixelPoint& e) { Correct(e, active); });
        return;
    }
    std::vector<uint8_t> rulesOfRow(static_cast<size_t>(rows), 0);
    for (size_t i = 0; i < count; ++i) {
        const PixelRect& r = rules[i].screenRect;
        for (int32_t y = r.top; y < r.bottom; ++y)
            rulesOfRow[static_cast<size_t>(y - rowsFrom)] |= static_cast<uint8_t>(1u << i);
    }
    ForEachEntry(table, window, [&](PixelPoint& e) {
        const auto row = static_cast<uint64_t>(int64_t{e.y} - rowsFrom);
        if (row >= static_cast<uint64_t>(rows)) return;
        unsigned held = rulesOfRow[row];
        if (held == 0 || e.x == kUnknown || e.y == kUnknown) return;
        for (size_t i = 0; held != 0; ++i, held >>= 1) {
            const PixelRect& r = rules[i].screenRect;
            if ((held & 1) == 0 || e.x < r.left || e.x >= r.right) continue;
            e.y = Add32(e.y, rules[i].dy);
            return;
        }
    });
}

}  // namespace halvertone
