#include "calibration/cell_assignment.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calibration/int32_math.h"

namespace halvertone {
namespace {

constexpr int8_t kOutside = -2;
constexpr int8_t kUntaken = -1;

// A denominator with its reciprocal, so that most quotients cost a multiplication.
struct Divisor {
    double den = 0;
    double reciprocal = 0;
    bool usable = false;

    explicit Divisor(double d) : den(d) {
        if (d == 0 || !std::isfinite(d)) return;
        reciprocal = 1 / d;
        usable = std::isfinite(reciprocal);
    }
};

// trunc(num / den) without dividing, when num * (1 / den) settles it: that product differs
// from the rounded quotient by less than 4e-16 of its size, so below 2^20 it truncates alike
// unless it lies within 1e-9 of an integer. False when the division has to decide.
bool WholeQuotient(double num, const Divisor& d, int32_t& out) {
    if (!d.usable) return false;
    const double q = num * d.reciprocal;
    if (!(std::fabs(q) < 1048576.0)) return false;
    const auto t = static_cast<int32_t>(q);
    // |q - t| within (1e-9, 1 - 1e-9): its distance from 1/2 below 1/2 - 1e-9.
    const double h = std::fabs(q - t) - 0.5;
    if (!(h * h < 0.25 - 1e-9)) return false;
    out = t;
    return true;
}

// One cell's top edge and height for each column of its bounding box within the frame.
struct CellColumns {
    int32_t first = 0;
    std::vector<double> top;
    std::vector<Divisor> height;

    void Fill(const GridCell& cell, const PixelRect& box) {
        first = std::max(box.left, 0);
        const int32_t end = std::min(box.right, kFrameWidth);
        top.clear();
        height.clear();
        for (int32_t x = first; x < end; ++x) {
            top.push_back(cell.Top(x));
            height.emplace_back(cell.Bottom(x) - top.back());
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

// Places pixels [from, to) of row y, all in `cell`. Each entry is what GridCell::Place gives;
// most are found by multiplications, the rest by Place's own divisions.
void PlaceRun(CameraToScreenTable& table, const GridCell& cell, const CellColumns& col,
              int32_t from, int32_t to, int32_t y) {
    const double left = cell.Left(y);
    const Divisor width(cell.Right(y) - left);
    const GridCell::LinearScreen screen = cell.Linear();
    for (int32_t x = from; x < to; ++x) {
        const auto c = static_cast<size_t>(x - col.first);
        const double across = cell.AcrossNumerator(x, left);
        const double down = cell.DownNumerator(y, col.top[c]);
        int32_t tx = 0, ty = 0;
        if (screen.exact && WholeQuotient(across, width, tx) &&
            WholeQuotient(down, col.height[c], ty)) {
            table.At(x, y) = {screen.originX + screen.stepX * tx,
                              screen.originY + screen.stepY * ty};
        } else {
            table.At(x, y) =
                cell.ScreenPosition(Quotient(across, width.den), Quotient(down, col.height[c].den));
        }
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
                const auto cell = static_cast<size_t>(k);
                PlaceRun(table, cells[cell], columns[cell], x, end, y);
            }
            x = end;
        }
    }
}

}  // namespace halvertone
