#pragma once
// The four areas around the screen that make the off-screen gestures: a top and a bottom
// zone (polygons from the frame's corners to the screen's edge) and the left and right
// strips over the frame's full height.
#include <cstdint>

#include "base/calibration_grid.h"
#include "base/pixel_rect.h"
#include "calibration/polygon_region.h"

namespace halvertone {

// Zone codes of the off-screen classification.
enum OutsideClass : int32_t {
    kOutsideTopBottom = 0,
    kOutsideLeft = 1,
    kOutsideNone = 2,
    kOutsideRight = 3,
};

class OutsideZones {
  public:
    // Only built for an upright camera view; otherwise the previous zones stay.
    void Build(const CalibrationGrid& grid);
    void Clear() { *this = OutsideZones{}; }
    bool Built() const { return built_; }

    // 0 in the top or bottom zone, else 1 in the left strip, else 3 in the right strip, else 2.
    int32_t Classify(int32_t x, int32_t y) const;

    const PolygonRegion& Top() const { return top_; }
    const PolygonRegion& Bottom() const { return bottom_; }
    const PixelRect& LeftStrip() const { return left_; }
    const PixelRect& RightStrip() const { return right_; }

  private:
    bool built_ = false;
    PolygonRegion top_;
    PolygonRegion bottom_;
    PixelRect left_{};
    PixelRect right_{};
};

}  // namespace halvertone
