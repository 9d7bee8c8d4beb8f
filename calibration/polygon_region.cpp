#include "calibration/polygon_region.h"

#include <algorithm>
#include <limits>

namespace halvertone {
namespace {

// GDI keeps region coordinates within 27 bits; clamping also keeps the products below in
// 64-bit range for any input.
constexpr int64_t kCoordLimit = int64_t{1} << 27;

int64_t ClampCoord(int32_t v) { return std::clamp<int64_t>(v, -kCoordLimit, kCoordLimit); }

// ceil(num / den) for den > 0.
int64_t CeilDiv(int64_t num, int64_t den) {
    const int64_t q = num / den;
    return (num % den != 0 && num > 0) ? q + 1 : q;
}

struct Edge {
    int64_t x0, y0, x1, y1;  // y0 < y1
    int winding;             // +1 downward, -1 upward
};

struct Crossing {
    int64_t x;  // ceil of the exact crossing
    int winding;
};

}  // namespace

PolygonRegion PolygonRegion::FromPolygon(std::span<const PixelPoint> vertices) {
    PolygonRegion region;
    if (vertices.size() < 3) return region;

    std::vector<Edge> edges;
    int64_t minY = std::numeric_limits<int64_t>::max();
    int64_t maxY = std::numeric_limits<int64_t>::min();
    for (size_t i = 0; i < vertices.size(); ++i) {
        const PixelPoint& a = vertices[i];
        const PixelPoint& b = vertices[(i + 1) % vertices.size()];
        const int64_t ax = ClampCoord(a.x), ay = ClampCoord(a.y);
        const int64_t bx = ClampCoord(b.x), by = ClampCoord(b.y);
        if (ay == by) continue;  // horizontal edges never cross a row
        if (ay < by)
            edges.push_back({ax, ay, bx, by, +1});
        else
            edges.push_back({bx, by, ax, ay, -1});
        minY = std::min({minY, ay, by});
        maxY = std::max({maxY, ay, by});
    }
    if (edges.empty()) return region;

    const int32_t first = static_cast<int32_t>(std::max<int64_t>(minY, kMinRow));
    const int32_t last = static_cast<int32_t>(std::min<int64_t>(maxY, kMaxRow));  // exclusive
    if (first >= last) return region;

    region.firstRow_ = first;
    region.rowStart_.assign(static_cast<size_t>(last - first) + 1, 0);
    std::vector<Crossing> crossings;
    crossings.reserve(edges.size());
    int32_t boxLeft = std::numeric_limits<int32_t>::max(), boxRight = std::numeric_limits<int32_t>::min();
    int32_t boxTop = 0, boxBottom = 0;
    bool any = false;

    for (int32_t y = first; y < last; ++y) {
        region.rowStart_[static_cast<size_t>(y - first)] = static_cast<uint32_t>(region.spans_.size());
        crossings.clear();
        for (const Edge& e : edges) {
            if (y < e.y0 || y >= e.y1) continue;  // top end inside, bottom end outside
            const int64_t dy = e.y1 - e.y0;
            const int64_t num = e.x0 * dy + (y - e.y0) * (e.x1 - e.x0);
            crossings.push_back({CeilDiv(num, dy), e.winding});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        int winding = 0;
        size_t i = 0;
        while (i < crossings.size()) {
            const int64_t x = crossings[i].x;
            while (i < crossings.size() && crossings[i].x == x) winding += crossings[i++].winding;
            if (winding == 0 || i == crossings.size()) continue;
            const int64_t next = crossings[i].x;
            const auto begin = static_cast<int32_t>(std::clamp<int64_t>(x, -kCoordLimit, kCoordLimit));
            const auto end = static_cast<int32_t>(std::clamp<int64_t>(next, -kCoordLimit, kCoordLimit));
            if (!region.spans_.empty() &&
                region.spans_.size() > region.rowStart_[static_cast<size_t>(y - first)] &&
                region.spans_.back().end == begin) {
                region.spans_.back().end = end;  // joins the previous span of this row
            } else {
                region.spans_.push_back({begin, end});
            }
        }
        const size_t rowBegin = region.rowStart_[static_cast<size_t>(y - first)];
        if (region.spans_.size() > rowBegin) {
            boxLeft = std::min(boxLeft, region.spans_[rowBegin].begin);
            boxRight = std::max(boxRight, region.spans_.back().end);
            if (!any) boxTop = y;
            boxBottom = y + 1;
            any = true;
        }
    }
    region.rowStart_.back() = static_cast<uint32_t>(region.spans_.size());
    if (any) region.box_ = PixelRect{boxLeft, boxTop, boxRight, boxBottom};
    return region;
}

PolygonRegion PolygonRegion::FromRect(const PixelRect& rect) {
    const PixelPoint corners[4] = {
        {rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    return FromPolygon(corners);
}

std::span<const PixelSpan> PolygonRegion::RowSpans(int32_t y) const {
    if (rowStart_.empty() || y < firstRow_) return {};
    const auto row = static_cast<size_t>(y - firstRow_);
    if (row + 1 >= rowStart_.size()) return {};
    return std::span<const PixelSpan>(spans_.data() + rowStart_[row], rowStart_[row + 1] - rowStart_[row]);
}

bool PolygonRegion::Contains(int32_t x, int32_t y) const {
    for (const PixelSpan& s : RowSpans(y)) {
        if (x < s.begin) return false;
        if (x < s.end) return true;
    }
    return false;
}

}  // namespace halvertone
