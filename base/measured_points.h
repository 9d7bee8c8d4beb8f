#pragma once
// The thirteen lattice points as the calibration measured them, before the outer ring was
// pushed out to the screen's edges: what a camera model is fitted to. Kept apart from the
// lattice because the extension overwrites the outer ones there.
#include <array>
#include <cstddef>

#include "base/calibration_grid.h"
#include "base/pixel_rect.h"

namespace halvertone {

inline constexpr size_t kMeasuredCount = 13;

struct MeasuredPoints {
    // 0..8 in MainPoints order, 9..12 in GridPoints order (G(1,1), G(1,3), G(3,1), G(3,3)).
    // (-1, -1) is a point never stored; camera positions are never negative.
    std::array<PixelPoint, kMeasuredCount> points = Unset();

    bool Complete() const {
        for (const PixelPoint& p : points)
            if (p.x < 0 || p.y < 0) return false;
        return true;
    }
    static constexpr std::array<PixelPoint, kMeasuredCount> Unset() {
        std::array<PixelPoint, kMeasuredCount> a{};
        for (PixelPoint& p : a) p = {-1, -1};
        return a;
    }
    friend bool operator==(const MeasuredPoints&, const MeasuredPoints&) = default;
};

inline MeasuredPoints TakeMeasured(const CalibrationGrid& grid) {
    MeasuredPoints m;
    for (size_t i = 0; i < 9; ++i) m.points[i] = grid.mainPoints[i];
    for (size_t i = 0; i < 4; ++i) m.points[9 + i] = grid.gridPoints[i];
    return m;
}

}  // namespace halvertone
