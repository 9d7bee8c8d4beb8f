#pragma once
// The 5 x 5 lattice of camera positions G(r, c) that correspond to known screen places.
// Thirteen points are measured (the nine with even r and c, the four with odd r and c);
// the other twelve are derived. Held as two arrays whose order is also their storage order.
#include <array>
#include <cstddef>
#include <cstdint>

#include "base/pixel_rect.h"

namespace halvertone {

struct LatticeIndex {
    int8_t array;  // 0 = MainPoints, 1 = GridPoints
    int8_t index;
};

// Where G(r, c) lives: MainPoints m = 3 * (r / 2) + c / 2 for even r and c; GridPoints by
// the fixed table otherwise.
inline constexpr std::array<std::array<LatticeIndex, 5>, 5> kLatticeIndex = {{
    {{{0, 0}, {1, 4}, {0, 1}, {1, 5}, {0, 2}}},
    {{{1, 6}, {1, 0}, {1, 7}, {1, 1}, {1, 8}}},
    {{{0, 3}, {1, 9}, {0, 4}, {1, 10}, {0, 5}}},
    {{{1, 11}, {1, 2}, {1, 12}, {1, 3}, {1, 13}}},
    {{{0, 6}, {1, 14}, {0, 7}, {1, 15}, {0, 8}}},
}};

struct CalibrationGrid {
    std::array<PixelPoint, 9> mainPoints{};
    std::array<PixelPoint, 16> gridPoints{};

    PixelPoint& G(int r, int c) {
        const LatticeIndex li = kLatticeIndex[static_cast<size_t>(r)][static_cast<size_t>(c)];
        return li.array == 0 ? mainPoints[static_cast<size_t>(li.index)]
                             : gridPoints[static_cast<size_t>(li.index)];
    }
    const PixelPoint& G(int r, int c) const { return const_cast<CalibrationGrid*>(this)->G(r, c); }

    // The outer ring, the outline of the screen as the camera sees it: along the top from
    // left to right, down the right side, back along the bottom, up the left side.
    std::array<PixelPoint, 16> OuterRing() const;

    friend bool operator==(const CalibrationGrid&, const CalibrationGrid&) = default;
};

// How the camera sees the screen, found by the first calibration target.
enum ProjectorPositionValue : int32_t {
    kUpright = 0,
    kTurned180 = 1,
    kMirroredLeftRight = 2,
    kMirroredTopBottom = 3,
};

}  // namespace halvertone
