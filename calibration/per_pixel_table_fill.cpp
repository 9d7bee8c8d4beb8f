#include "calibration/per_pixel_table_fill.h"

#include "calibration/polygon_region.h"

namespace halvertone {
namespace {

// Regions keep coordinates within 27 bits, which also keeps the products below in range.
constexpr int64_t kCoordLimit = int64_t{1} << 27;

// These run for every pixel and polygon, in unoptimised test builds too: keep them inline.
[[gnu::always_inline]] inline int64_t Clamped(int32_t v) {
    return v < -kCoordLimit ? -kCoordLimit : (v > kCoordLimit ? kCoordLimit : v);
}

// The smallest integer >= num / den, for den > 0.
[[gnu::always_inline]] inline int64_t CeilOfQuotient(int64_t num, int64_t den) {
    const int64_t q = num / den;
    return (num % den != 0 && num > 0) ? q + 1 : q;
}

}  // namespace

bool PolygonContainsPixel(std::span<const PixelPoint> polygon, int32_t x, int32_t y) {
    if (polygon.size() < 3 || y < PolygonRegion::kMinRow || y >= PolygonRegion::kMaxRow)
        return false;
    // Sum the windings of the edges that cross row y at or left of x; an edge crosses the row
    // at the ceiling of its exact crossing and holds its upper end, not its lower one.
    int winding = 0;
    const PixelPoint* v = polygon.data();
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i) {
        const PixelPoint a = v[i], b = v[i + 1 < n ? i + 1 : 0];
        const int64_t ay = Clamped(a.y), by = Clamped(b.y);
        if (ay == by) continue;  // a horizontal edge crosses no row
        const bool downward = ay < by;
        const int64_t y0 = downward ? ay : by, y1 = downward ? by : ay;
        if (y < y0 || y >= y1) continue;
        const int64_t x0 = Clamped(downward ? a.x : b.x), x1 = Clamped(downward ? b.x : a.x);
        const int64_t dy = y1 - y0;
        if (CeilOfQuotient(x0 * dy + (y - y0) * (x1 - x0), dy) <= x) winding += downward ? 1 : -1;
    }
    return winding != 0;
}

void AssignCellsPerPixel(CameraToScreenTable& table, std::span<const PixelPoint> outline,
                         const GridCells& cells) {
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        for (int32_t x = 0; x < kFrameWidth; ++x) {
            if (!PolygonContainsPixel(outline, x, y)) continue;
            PixelPoint& entry = table.At(x, y);
            entry = {kUnknown, kUnknown};
            for (size_t k = 0; k < kGridCells; ++k) {
                if (!PolygonContainsPixel(cells[k].Vertices(), x, y)) continue;
                if (k + 4 < kGridCells && PolygonContainsPixel(cells[k + 4].Vertices(), x, y))
                    continue;
                entry = cells[k].Place(x, y);
                break;
            }
        }
    }
}

void FillBordersPerPixel(CameraToScreenTable& table, const BorderZones& z) {
    const PixelRect& w = z.window;
    for (int32_t y = w.top; y < w.bottom; ++y) {
        for (int32_t x = w.left; x < w.right; ++x) {
            if (!IsUnplaced(table.At(x, y))) continue;
            const BorderRule rule = ChooseBorderRule(z, x, y, [&](int i) {
                return PolygonContainsPixel(z.bands[static_cast<size_t>(i)], x, y);
            });
            ApplyBorderRule(table, z, rule, x, y);
        }
    }
}

}  // namespace halvertone
