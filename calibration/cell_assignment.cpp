#include "calibration/cell_assignment.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calibration/int32_math.h"

namespace halvertone {
namespace {

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

// One row's pixels by owner: `open` holds the ActiveRegion's pixels that no cell has taken
// yet (sorted, disjoint); each cell in turn takes what lies in its own spans but not in the
// cell below, and what it takes becomes a run.
class RowOwners {
  public:
    struct Run {
        int32_t begin, end;
        int cell;  // -1: no cell took these pixels
    };

    void Start(std::span<const PixelSpan> active) {
        open_.clear();
        runs_.clear();
        for (const PixelSpan& s : active)
            Keep(open_, std::max(s.begin, 0), std::min(s.end, kFrameWidth));
    }

    void Offer(std::span<const PixelSpan> cell, std::span<const PixelSpan> below, int k) {
        for (const PixelSpan& s : cell) {
            const int32_t from = std::max(s.begin, 0), to = std::min(s.end, kFrameWidth);
            int32_t pos = from;
            for (const PixelSpan& b : below) {
                if (pos >= to || b.begin >= to) break;
                if (b.end <= pos) continue;
                if (b.begin > pos) Take(pos, b.begin, k);
                pos = std::max(pos, b.end);
            }
            if (pos < to) Take(pos, to, k);
        }
    }

    bool AllTaken() const { return open_.empty(); }

    // The runs, then what no cell took.
    const std::vector<Run>& Finish() {
        for (const PixelSpan& o : open_) runs_.push_back({o.begin, o.end, -1});
        return runs_;
    }

  private:
    static void Keep(std::vector<PixelSpan>& list, int32_t begin, int32_t end) {
        if (begin < end) list.push_back({begin, end});
    }

    void Take(int32_t from, int32_t to, int k) {
        rest_.clear();
        for (const PixelSpan& o : open_) {
            if (o.end <= from || o.begin >= to) {
                rest_.push_back(o);
                continue;
            }
            runs_.push_back({std::max(o.begin, from), std::min(o.end, to), k});
            Keep(rest_, o.begin, from);
            Keep(rest_, to, o.end);
        }
        open_.swap(rest_);
    }

    std::vector<PixelSpan> open_, rest_;
    std::vector<Run> runs_;
};

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

    RowOwners owners;
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        const auto activeSpans = active.RowSpans(y);
        if (activeSpans.empty()) continue;
        owners.Start(activeSpans);
        for (size_t k = 0; k < kGridCells && !owners.AllTaken(); ++k) {
            const auto below =
                k + 4 < kGridCells ? regions[k + 4].RowSpans(y) : std::span<const PixelSpan>{};
            owners.Offer(regions[k].RowSpans(y), below, static_cast<int>(k));
        }
        for (const RowOwners::Run& run : owners.Finish()) {
            if (run.cell < 0) {
                for (int32_t x = run.begin; x < run.end; ++x) table.At(x, y) = {kUnknown, kUnknown};
            } else {
                const auto k = static_cast<size_t>(run.cell);
                PlaceRun(table, cells[k], columns[k], run.begin, run.end, y);
            }
        }
    }
}

}  // namespace halvertone
