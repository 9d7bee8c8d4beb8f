#include "calibration/cell_assignment.h"

#include <algorithm>
#include <vector>

namespace halvertone {
namespace {

constexpr int8_t kOutside = -2;
constexpr int8_t kUntaken = -1;

// One cell's top and bottom edges for each column of its bounding box within the frame.
struct CellColumns {
    int32_t first = 0;
    std::vector<double> top, bottom;

    void Fill(const GridCell& cell, const PixelRect& box) {
        first = std::max(box.left, 0);
        const int32_t end = std::min(box.right, kFrameWidth);
        top.clear();
        bottom.clear();
        for (int32_t x = first; x < end; ++x) {
            top.push_back(cell.Top(x));
            bottom.push_back(cell.Bottom(x));
        }
    }
};

// Gives cell k every pixel of [from, to) that is inside the ActiveRegion and not taken yet.
void Take(std::array<int8_t, kFrameWidth>& owner, int32_t from, int32_t to, int8_t k) {
    for (int32_t x = from; x < to; ++x)
        if (owner[static_cast<size_t>(x)] == kUntaken) owner[static_cast<size_t>(x)] = k;
}

// Gives cell k the pixels of its own spans that the cell below does not hold.
void TakeRow(std::array<int8_t, kFrameWidth>& owner, std::span<const PixelSpan> cell,
             std::span<const PixelSpan> below, int8_t k) {
    for (const PixelSpan& s : cell) {
        const int32_t from = std::max(s.begin, 0), to = std::min(s.end, kFrameWidth);
        int32_t pos = from;
        for (const PixelSpan& b : below) {
            if (pos >= to) break;
            if (b.end <= pos) continue;
            if (b.begin >= to) break;
            if (b.begin > pos) Take(owner, pos, b.begin, k);
            pos = std::max(pos, b.end);
        }
        if (pos < to) Take(owner, pos, to, k);
    }
}

}  // namespace

void AssignCells(CameraToScreenTable& table, const PolygonRegion& active, const GridCells& cells) {
    std::array<PolygonRegion, kGridCells> regions;
    std::array<CellColumns, kGridCells> columns;
    for (size_t k = 0; k < kGridCells; ++k) {
        regions[k] = PolygonRegion::FromPolygon(cells[k].Vertices());
        columns[k].Fill(cells[k], regions[k].BoundingBox());
    }

    std::array<int8_t, kFrameWidth> owner{};
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        const auto activeSpans = active.RowSpans(y);
        if (activeSpans.empty()) continue;
        owner.fill(kOutside);
        for (const PixelSpan& s : activeSpans)
            for (int32_t x = std::max(s.begin, 0); x < std::min(s.end, kFrameWidth); ++x)
                owner[static_cast<size_t>(x)] = kUntaken;
        for (size_t k = 0; k < kGridCells; ++k) {
            const auto below =
                k + 4 < kGridCells ? regions[k + 4].RowSpans(y) : std::span<const PixelSpan>{};
            TakeRow(owner, regions[k].RowSpans(y), below, static_cast<int8_t>(k));
        }

        // Runs of one owner share the cell's left and right edges at this row.
        for (int32_t x = 0; x < kFrameWidth;) {
            const int8_t k = owner[static_cast<size_t>(x)];
            int32_t end = x + 1;
            while (end < kFrameWidth && owner[static_cast<size_t>(end)] == k) ++end;
            if (k == kUntaken) {
                for (int32_t i = x; i < end; ++i) table.At(i, y) = {kUnknown, kUnknown};
            } else if (k >= 0) {
                const GridCell& cell = cells[static_cast<size_t>(k)];
                const CellColumns& col = columns[static_cast<size_t>(k)];
                const double left = cell.Left(y), right = cell.Right(y);
                for (int32_t i = x; i < end; ++i) {
                    const auto c = static_cast<size_t>(i - col.first);
                    table.At(i, y) = cell.Place(i, y, left, right, col.top[c], col.bottom[c]);
                }
            }
            x = end;
        }
    }
}

}  // namespace halvertone
