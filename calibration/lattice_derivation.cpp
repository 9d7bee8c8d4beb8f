#include "calibration/lattice_derivation.h"

#include <array>

#include "calibration/int32_math.h"

namespace halvertone {
namespace {

struct Cell {
    int r, c;
};

struct Derivation {
    Cell point;
    Cell row1, row2;  // the row line
    Cell col1, col2;  // the column line
};

// Every input is a measured point, so the order of the derivations does not matter.
constexpr std::array<Derivation, 12> kDerivations = {{
    {{0, 1}, {0, 0}, {0, 2}, {1, 1}, {3, 1}},
    {{0, 3}, {0, 2}, {0, 4}, {1, 3}, {3, 3}},
    {{1, 0}, {1, 1}, {1, 3}, {0, 0}, {2, 0}},
    {{1, 2}, {1, 1}, {1, 3}, {0, 2}, {2, 2}},
    {{1, 4}, {1, 1}, {1, 3}, {0, 4}, {2, 4}},
    {{2, 1}, {2, 0}, {2, 2}, {1, 1}, {3, 1}},
    {{2, 3}, {2, 2}, {2, 4}, {1, 3}, {3, 3}},
    {{3, 0}, {3, 1}, {3, 3}, {2, 0}, {4, 0}},
    {{3, 2}, {3, 1}, {3, 3}, {2, 2}, {4, 2}},
    {{3, 4}, {3, 1}, {3, 3}, {2, 4}, {4, 4}},
    {{4, 1}, {4, 0}, {4, 2}, {1, 1}, {3, 1}},
    {{4, 3}, {4, 2}, {4, 4}, {1, 3}, {3, 3}},
}};

}  // namespace

PixelPoint LineIntersection(PixelPoint p1, PixelPoint p2, PixelPoint p3, PixelPoint p4) {
    const int32_t a = Sub32(Mul32(p1.x, p2.y), Mul32(p1.y, p2.x));
    const int32_t b = Sub32(Mul32(p3.x, p4.y), Mul32(p3.y, p4.x));
    // Differences of two 32-bit values are exact in double precision.
    const double dy12 = static_cast<double>(p2.y) - p1.y;
    const double dx34 = static_cast<double>(p3.x) - p4.x;
    const double dx12 = static_cast<double>(p1.x) - p2.x;
    const double dy34 = static_cast<double>(p4.y) - p3.y;
    const double d = dy12 * dx34 - dx12 * dy34;
    return {TruncToInt32(Quotient(dx34 * a - dx12 * b, d)),
            TruncToInt32(Quotient(dy12 * b - a * dy34, d))};
}

void DeriveLattice(CalibrationGrid& grid) {
    for (const Derivation& d : kDerivations) {
        grid.G(d.point.r, d.point.c) =
            LineIntersection(grid.G(d.row1.r, d.row1.c), grid.G(d.row2.r, d.row2.c),
                             grid.G(d.col1.r, d.col1.c), grid.G(d.col2.r, d.col2.c));
    }
}

}  // namespace halvertone
