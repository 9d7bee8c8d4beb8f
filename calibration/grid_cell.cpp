#include "calibration/grid_cell.h"

#include <limits>

#include "capture/camera_frame.h"

namespace halvertone {
namespace {

// a0 + (a1 - a0) * (t - t0) / (t1 - t0).
double Interpolate(int32_t a0, int32_t a1, int32_t t, int32_t t0, int32_t t1) {
    return a0 + Quotient(Mul32(Sub32(a1, a0), Sub32(t, t0)), Sub32(t1, t0));
}

constexpr double kOpen = std::numeric_limits<double>::infinity();

// v raised to lo or lowered to hi when beyond; NaN stays NaN.
double Within(double v, double lo, double hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

}  // namespace

GridCell::GridCell(const CalibrationGrid& g, int k, const LatticeLines& lines, int32_t screenWidth,
                   int32_t screenHeight, int32_t projectorPosition)
    : v_{g.G(k / 4, k % 4), g.G(k / 4, k % 4 + 1), g.G(k / 4 + 1, k % 4 + 1),
         g.G(k / 4 + 1, k % 4)},
      k_(k),
      x0_(lines.cellX[static_cast<size_t>(k % 4)]),
      y0_(lines.cellY[static_cast<size_t>(k / 4)]),
      cw_(lines.cellWidth[static_cast<size_t>(k % 4)]),
      ch_(lines.cellHeight[static_cast<size_t>(k / 4)]),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight),
      projectorPosition_(projectorPosition) {}

double GridCell::Left(int32_t y) const {
    return Within(Interpolate(v_[0].x, v_[3].x, y, v_[0].y, v_[3].y), k_ == 12 ? 0 : -kOpen, kOpen);
}

double GridCell::Right(int32_t y) const {
    return Within(Interpolate(v_[1].x, v_[2].x, y, v_[1].y, v_[2].y), -kOpen,
                  k_ % 4 == 3 ? kFrameWidth : kOpen);
}

double GridCell::Top(int32_t x) const {
    return Within(Interpolate(v_[0].y, v_[1].y, x, v_[0].x, v_[1].x), k_ == 3 ? 0 : -kOpen, kOpen);
}

double GridCell::Bottom(int32_t x) const {
    return Within(Interpolate(v_[3].y, v_[2].y, x, v_[3].x, v_[2].x), -kOpen,
                  k_ == 12 || k_ == 15 ? kFrameHeight : kOpen);
}

GridCell::LinearScreen GridCell::Linear() const {
    const bool reflectX =
        projectorPosition_ == kTurned180 || projectorPosition_ == kMirroredLeftRight;
    const bool reflectY =
        projectorPosition_ == kTurned180 || projectorPosition_ == kMirroredTopBottom;
    const int64_t ox = reflectX ? int64_t{screenWidth_} - x0_ : x0_;
    const int64_t oy = reflectY ? int64_t{screenHeight_} - y0_ : y0_;
    constexpr int64_t kRoom = int64_t{1} << 30;
    return {static_cast<int32_t>(ox), reflectX ? -1 : 1, static_cast<int32_t>(oy),
            reflectY ? -1 : 1, ox > -kRoom && ox < kRoom && oy > -kRoom && oy < kRoom};
}

}  // namespace halvertone
