#include "calibration/per_pixel_table_fill.h"

#include <algorithm>

#include "calibration/polygon_region.h"

namespace halvertone {
namespace {

// Regions keep coordinates within 27 bits, which also keeps the products below in range.
constexpr int64_t kCoordLimit = int64_t{1} << 27;

int64_t Clamped(int32_t v) {
    return std::clamp<int64_t>(v, -kCoordLimit, kCoordLimit);
}

// The smallest integer >= num / den, for den > 0.
int64_t CeilOfQuotient(int64_t num, int64_t den) {
    const int64_t q = num / den;
    return (num % den != 0 && num > 0) ? q + 1 : q;
}

}  // namespace

PixelPolygon::PixelPolygon(std::span<const PixelPoint> vertices) {
    if (vertices.size() < 3) return;  // never inside
    for (size_t i = 0; i < vertices.size(); ++i) {
        const PixelPoint& a = vertices[i];
        const PixelPoint& b = vertices[(i + 1) % vertices.size()];
        if (a.y == b.y) continue;  // a horizontal edge crosses no row
        if (a.y < b.y)
            edges_.push_back({Clamped(a.x), Clamped(a.y), Clamped(b.x), Clamped(b.y), 1});
        else
            edges_.push_back({Clamped(b.x), Clamped(b.y), Clamped(a.x), Clamped(a.y), -1});
    }
}

bool PixelPolygon::Contains(int32_t x, int32_t y) const {
    if (y < PolygonRegion::kMinRow || y >= PolygonRegion::kMaxRow) return false;
    // Sum the windings of the edges that cross row y at or left of x; an edge crosses the row
    // at the ceiling of its exact crossing and holds its upper end, not its lower one.
    int winding = 0;
    for (const Edge& e : edges_) {
        if (y < e.y0 || y >= e.y1) continue;
        const int64_t dy = e.y1 - e.y0;
        if (CeilOfQuotient(e.x0 * dy + (y - e.y0) * (e.x1 - e.x0), dy) <= x) winding += e.direction;
    }
    return winding != 0;
}

void AssignCellsPerPixel(CameraToScreenTable& table, std::span<const PixelPoint> outline,
                         const GridCells& cells) {
    const PixelPolygon active(outline);
    std::vector<PixelPolygon> cellPolygons;
    for (const GridCell& cell : cells) cellPolygons.emplace_back(cell.Vertices());
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        for (int32_t x = 0; x < kFrameWidth; ++x) {
            if (!active.Contains(x, y)) continue;
            PixelPoint& entry = table.At(x, y);
            entry = {kUnknown, kUnknown};
            for (size_t k = 0; k < kGridCells; ++k) {
                if (!cellPolygons[k].Contains(x, y)) continue;
                if (k + 4 < kGridCells && cellPolygons[k + 4].Contains(x, y)) continue;
                entry = cells[k].Place(x, y);
                break;
            }
        }
    }
}

void FillBordersPerPixel(CameraToScreenTable& table, const BorderZones& z) {
    const PixelRect& w = z.window;
    std::vector<PixelPolygon> bands;
    for (const auto& band : z.bands) bands.emplace_back(band);
    for (int32_t y = w.top; y < w.bottom; ++y) {
        for (int32_t x = w.left; x < w.right; ++x) {
            if (!IsUnplaced(table.At(x, y))) continue;
            const BorderRule rule = ChooseBorderRule(
                z, x, y, [&](int i) { return bands[static_cast<size_t>(i)].Contains(x, y); });
            ApplyBorderRule(table, z, rule, x, y);
        }
    }
}

}  // namespace halvertone
