#include "calibration/grid_cell.h"

#include "capture/camera_frame.h"

namespace halvertone {
namespace {

// a0 + (a1 - a0) * (t - t0) / (t1 - t0).
double Interpolate(int32_t a0, int32_t a1, int32_t t, int32_t t0, int32_t t1) {
    return a0 + Quotient(Mul32(Sub32(a1, a0), Sub32(t, t0)), Sub32(t1, t0));
}

// 0, n/4, n/2 and three times the truncated quarter.
int32_t QuarterStart(int32_t n, int i) {
    switch (i) {
        case 0:
            return 0;
        case 1:
            return n / 4;
        case 2:
            return n / 2;
        default:
            return Mul32(3, n / 4);
    }
}

}  // namespace

GridCell::GridCell(const CalibrationGrid& g, int k, int32_t screenWidth, int32_t screenHeight,
                   int32_t projectorPosition)
    : v_{g.G(k / 4, k % 4), g.G(k / 4, k % 4 + 1), g.G(k / 4 + 1, k % 4 + 1),
         g.G(k / 4 + 1, k % 4)},
      k_(k),
      x0_(QuarterStart(screenWidth, k % 4)),
      y0_(QuarterStart(screenHeight, k / 4)),
      cw_(Add32(screenWidth / 4, 1)),
      ch_(Add32(screenHeight / 4, 1)),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight),
      projectorPosition_(projectorPosition) {}

double GridCell::Left(int32_t y) const {
    const PixelPoint &tl = v_[0], &bl = v_[3];
    double l = Interpolate(tl.x, bl.x, y, tl.y, bl.y);
    if (k_ == 12 && l < 0) l = 0;
    return l;
}

double GridCell::Right(int32_t y) const {
    const PixelPoint &tr = v_[1], &br = v_[2];
    double r = Interpolate(tr.x, br.x, y, tr.y, br.y);
    if (k_ % 4 == 3 && r > kFrameWidth) r = kFrameWidth;
    return r;
}

double GridCell::Top(int32_t x) const {
    const PixelPoint &tl = v_[0], &tr = v_[1];
    double t = Interpolate(tl.y, tr.y, x, tl.x, tr.x);
    if (k_ == 3 && t < 0) t = 0;
    return t;
}

double GridCell::Bottom(int32_t x) const {
    const PixelPoint &bl = v_[3], &br = v_[2];
    double b = Interpolate(bl.y, br.y, x, bl.x, br.x);
    if ((k_ == 12 || k_ == 15) && b > kFrameHeight) b = kFrameHeight;
    return b;
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
