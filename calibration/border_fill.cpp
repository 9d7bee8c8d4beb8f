#include "calibration/border_fill.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <vector>

#include "calibration/polygon_region.h"

namespace halvertone {

BorderZones MakeBorderZones(const CalibrationGrid& g, const PixelRect& window) {
    BorderZones z;
    // The fill writes up to the window's right and bottom edges: keep them in the table.
    z.window =
        PixelRect{std::max(window.left, 0), std::max(window.top, 0),
                  std::min(window.right, kFrameWidth), std::min(window.bottom, kFrameHeight)};
    const PixelRect& w = z.window;
    const PixelPoint tl = g.G(0, 0), tm = g.G(0, 2), tr = g.G(0, 4);
    const PixelPoint ml = g.G(2, 0), mr = g.G(2, 4);
    const PixelPoint bl = g.G(4, 0), bm = g.G(4, 2), br = g.G(4, 4);
    z.cornerSources = {tl, tr, bl, br};
    z.corners = {PixelRect{w.left, w.top, tl.x, tl.y}, PixelRect{tr.x, w.top, w.right, tr.y},
                 PixelRect{w.left, bl.y, bl.x, w.bottom}, PixelRect{br.x, br.y, w.right, w.bottom}};
    for (int i = 0; i < 4; ++i) {
        const PixelPoint s = z.cornerSources[i];
        if (!CameraToScreenTable::InFrame(s.x, s.y)) z.corners[i] = PixelRect{};
    }
    z.bands = {{
        {tl, tm, tr, {tr.x, w.top}, {tl.x, w.top}},
        {tl, ml, bl, {w.left, bl.y}, {w.left, tl.y}},
        {bl, bm, br, {br.x, w.bottom}, {bl.x, w.bottom}},
        {tr, mr, br, {w.right, br.y}, {w.right, tr.y}},
    }};
    return z;
}

namespace {

struct Found {
    int32_t value;
    int32_t steps;  // from the start to the entry that holds the value
};

// Walks from (x, y), the start excluded, by (dx, dy) to the frame's edge; the first entry whose
// `component` is not -1.
std::optional<Found> FirstPlaced(const CameraToScreenTable& t, int32_t x, int32_t y, int dx, int dy,
                                 int32_t PixelPoint::*component) {
    for (int32_t steps = 1;; ++steps) {
        const int32_t px = x + dx * steps, py = y + dy * steps;
        if (!CameraToScreenTable::InFrame(px, py)) return std::nullopt;
        const int32_t v = t.At(px, py).*component;
        if (v != kUnknown) return Found{v, steps};
    }
}

// Sets `component` of `count` entries from (x, y) on, stepping by (dx, dy).
void SetRun(CameraToScreenTable& t, int32_t x, int32_t y, int dx, int dy, int32_t count,
            int32_t PixelPoint::*component, int32_t value) {
    for (int32_t i = 0; i < count; ++i) t.At(x + dx * i, y + dy * i).*component = value;
}

}  // namespace

void ApplyBorderRule(CameraToScreenTable& t, const BorderZones& z, BorderRule rule, int32_t x,
                     int32_t y) {
    const PixelRect& w = z.window;
    std::optional<Found> f;
    switch (rule) {
        case BorderRule::kTopLeft:
        case BorderRule::kTopRight:
        case BorderRule::kBottomLeft:
        case BorderRule::kBottomRight: {
            const PixelPoint s = z.cornerSources[static_cast<size_t>(rule)];
            t.At(x, y) = t.At(s.x, s.y);
            return;
        }
        case BorderRule::kTopBand:  // x for the rows down to the placed one
            if ((f = FirstPlaced(t, x, y, 0, 1, &PixelPoint::x)))
                SetRun(t, x, y, 0, 1, f->steps, &PixelPoint::x, f->value);
            return;
        case BorderRule::kLeftBand:  // y for the columns up to the placed one
            if ((f = FirstPlaced(t, x, y, 1, 0, &PixelPoint::y)))
                SetRun(t, x, y, 1, 0, f->steps, &PixelPoint::y, f->value);
            return;
        case BorderRule::kBottomBand:  // x for every row down to the window's bottom
            if ((f = FirstPlaced(t, x, y, 0, -1, &PixelPoint::x)))
                SetRun(t, x, y, 0, 1, w.bottom - y, &PixelPoint::x, f->value);
            return;
        case BorderRule::kRightBand:  // y for every column out to the window's right
            if ((f = FirstPlaced(t, x, y, -1, 0, &PixelPoint::y)))
                SetRun(t, x, y, 1, 0, w.right - x, &PixelPoint::y, f->value);
            return;
        case BorderRule::kNone:
            return;
    }
}

void FillBorders(CameraToScreenTable& table, const BorderZones& z) {
    const PixelRect& w = z.window;
    if (w.Empty()) return;
    // Which window pixels start as (-1, -1), one bit each in row order; found column by
    // column, the table's own order.
    const auto width = static_cast<size_t>(w.right - w.left);
    const size_t wordsPerRow = (width + 63) / 64;
    std::vector<uint64_t> unplaced(wordsPerRow * static_cast<size_t>(w.bottom - w.top), 0);
    bool any = false;
    for (int32_t x = w.left; x < w.right; ++x) {
        const PixelPoint* column = &table.At(x, 0);
        const auto bx = static_cast<size_t>(x - w.left);
        for (int32_t y = w.top; y < w.bottom; ++y) {
            if (!IsUnplaced(column[y])) continue;
            unplaced[static_cast<size_t>(y - w.top) * wordsPerRow + bx / 64] |= uint64_t{1}
                                                                                << (bx % 64);
            any = true;
        }
    }
    if (!any) return;

    std::array<PolygonRegion, 4> bands;
    for (size_t i = 0; i < 4; ++i) bands[i] = PolygonRegion::FromPolygon(z.bands[i]);
    for (int32_t y = w.top; y < w.bottom; ++y) {
        const uint64_t* row = &unplaced[static_cast<size_t>(y - w.top) * wordsPerRow];
        for (size_t word = 0; word < wordsPerRow; ++word) {
            for (uint64_t bits = row[word]; bits != 0; bits &= bits - 1) {
                const auto x = static_cast<int32_t>(w.left + word * 64 +
                                                    static_cast<size_t>(std::countr_zero(bits)));
                if (!IsUnplaced(table.At(x, y))) continue;  // filled by an earlier rule
                const BorderRule rule = ChooseBorderRule(
                    z, x, y, [&](int i) { return bands[static_cast<size_t>(i)].Contains(x, y); });
                ApplyBorderRule(table, z, rule, x, y);
            }
        }
    }
}

}  // namespace halvertone
