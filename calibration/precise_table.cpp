#include "calibration/precise_table.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/calibration_grid.h"

namespace halvertone {
namespace {

constexpr int32_t kCheckStep = 8;  // camera pixels between the samples of the fold test

// The lens's ray multiple looked up by squared distance from the frame's centre, linearly
// between samples: the fill's one costly step done a few thousand times instead of per pixel.
class RayScales {
  public:
    explicit RayScales(const CameraModelParams& model) {
        for (size_t i = 0; i < kSamples; ++i)
            scale_[i] = model.RayScale(std::sqrt(static_cast<double>(i) * kStep));
    }
    double At(double squaredDistance) const {
        const double at = std::min(squaredDistance / kStep, kSamples - 1.001);
        const auto i = static_cast<size_t>(at);
        const double t = at - static_cast<double>(i);
        return scale_[i] + (scale_[i + 1] - scale_[i]) * t;
    }

  private:
    static constexpr size_t kSamples = 4097;
    // The frame's corners lie 400 camera pixels from its centre.
    static constexpr double kStep = 400.0 * 400.0 / (kSamples - 1);
    std::array<double, kSamples> scale_{};
};

PlanePoint CentreOf(PixelPoint p) {
    return {p.x + 0.5, p.y + 0.5};
}

int32_t Limited(double v, int32_t extent) {
    if (std::isnan(v)) return 0;
    return static_cast<int32_t>(std::floor(std::clamp(v, 0.0, std::max(extent - 1.0, 0.0))));
}

// The sign of the model's Jacobian at camera point c; 0 where it is flat or not finite.
int Orientation(const CameraModelParams& model, PlanePoint c) {
    const PlanePoint s = model.Apply(c), sx = model.Apply({c.x + 1, c.y}),
                     sy = model.Apply({c.x, c.y + 1});
    const double det = (sx.x - s.x) * (sy.y - s.y) - (sx.y - s.y) * (sy.x - s.x);
    if (!std::isfinite(det) || std::abs(det) < 1e-6) return 0;
    return det > 0 ? 1 : -1;
}

}  // namespace

std::array<FitPair, kMeasuredCount> CalibrationPairs(const MeasuredPoints& measured,
                                                     const TargetGeometry& t, int32_t position) {
    std::array<FitPair, kMeasuredCount> pairs;
    for (size_t i = 0; i < kMeasuredCount; ++i) {
        const int n = static_cast<int>(i);
        const TargetShape target =
            i < 9 ? MainTarget(t, n / 3, n % 3, TargetStyle::kMeasured)
                  : InnerTarget(t, (n - 9) / 2, (n - 9) % 2, TargetStyle::kMeasured);
        PixelPoint cross = CrossOf(target);
        if (position == kTurned180 || position == kMirroredLeftRight)
            cross.x = t.screenWidth - cross.x;
        if (position == kTurned180 || position == kMirroredTopBottom)
            cross.y = t.screenHeight - cross.y;
        pairs[i] = {CentreOf(measured.points[i]), CentreOf(cross)};
    }
    return pairs;
}

std::string FillFromModel(CameraToScreenTable& table, const PolygonRegion& region,
                          const CameraModelParams& model, int32_t w, int32_t h) {
    const PixelRect box = region.BoundingBox();
    const int32_t left = std::max(box.left, 0), right = std::min(box.right, kFrameWidth);
    const int32_t top = std::max(box.top, 0), bottom = std::min(box.bottom, kFrameHeight);
    if (left >= right || top >= bottom) return "the region holds no camera pixel";
    double reach = 0;
    for (int32_t x : {left, right})
        for (int32_t y : {top, bottom})
            reach = std::max(reach, std::hypot(x - kLensCentre.x, y - kLensCentre.y));
    if (!model.LensMonotonic(reach)) return "the lens correction folds inside the region";
    // One orientation everywhere: a sign change means the view folds or its horizon crosses.
    const int expected = Orientation(model, {(left + right) / 2.0, (top + bottom) / 2.0});
    if (expected == 0) return "the model is flat at the region's centre";
    for (int32_t y = top; y < bottom; y += kCheckStep)
        for (int32_t x = left; x < right; x += kCheckStep)
            if (region.Contains(x, y) &&
                Orientation(model, {static_cast<double>(x), static_cast<double>(y)}) != expected)
                return "the model folds inside the region";

    const auto rays = std::make_unique<RayScales>(model);
    for (int32_t y = top; y < bottom; ++y) {
        const double dy = y + 0.5 - kLensCentre.y;
        for (const PixelSpan& span : region.RowSpans(y)) {
            const int32_t from = std::max(span.begin, 0), to = std::min(span.end, kFrameWidth);
            for (int32_t x = from; x < to; ++x) {
                const double dx = x + 0.5 - kLensCentre.x;
                const PlanePoint s = model.Project(CentreOf({x, y}), rays->At(dx * dx + dy * dy));
                table.At(x, y) = {Limited(s.x, w), Limited(s.y, h)};
            }
        }
    }
    return {};
}

}  // namespace halvertone
