#include "simulator/camera_model.h"

#include <cmath>

#include "calibration/camera_to_screen_table.h"
#include "calibration/int32_math.h"
#include "calibration/target_layout.h"
#include "capture/camera_frame.h"

namespace halvertone::sim {
namespace {

constexpr Point2 kCentre{kFrameWidth / 2.0, kFrameHeight / 2.0};

PixelPoint PixelHolding(Point2 p) {
    return {TruncToInt32(std::floor(p.x)), TruncToInt32(std::floor(p.y))};
}

}  // namespace

CameraModel::CameraModel(const CameraModelConfig& config) : config_(config) {
    const double w = config.screenWidth, h = config.screenHeight;
    const std::array<Point2, 4> screen{{{0, 0}, {w, 0}, {w, h}, {0, h}}};
    std::array<Point2, 4> ideal{};
    for (size_t i = 0; i < 4; ++i) {
        const auto p = Undistort(config.corners[i]);
        if (!p) return;
        ideal[i] = *p;
    }
    const auto forward = Homography::FromCorners(screen, ideal);
    if (!forward) return;
    const auto inverse = forward->Inverse();
    if (!inverse) return;
    screenToIdeal_ = *forward;
    idealToScreen_ = *inverse;
    valid_ = true;
}

Point2 CameraModel::Distort(Point2 p) const {
    const double dx = p.x - kCentre.x, dy = p.y - kCentre.y;
    const double r2 = (dx * dx + dy * dy) / (config_.focalPixels * config_.focalPixels);
    const double f = 1 + config_.k1 * r2;
    return {kCentre.x + dx * f, kCentre.y + dy * f};
}

std::optional<Point2> CameraModel::Undistort(Point2 p) const {
    const double dx = p.x - kCentre.x, dy = p.y - kCentre.y;
    const double rd = std::sqrt(dx * dx + dy * dy) / config_.focalPixels;
    if (rd == 0 || config_.k1 == 0) return p;
    // Newton on r (1 + k1 r^2) = rd, within the range where the lens is still one-to-one.
    double r = rd;
    for (int i = 0; i < 50; ++i) {
        const double slope = 1 + 3 * config_.k1 * r * r;
        if (slope <= 0) return std::nullopt;
        const double step = (r * (1 + config_.k1 * r * r) - rd) / slope;
        r -= step;
        if (std::fabs(step) < 1e-13) break;
    }
    if (!(r > 0) || std::fabs(r * (1 + config_.k1 * r * r) - rd) > 1e-9 ||
        1 + 3 * config_.k1 * r * r <= 0)
        return std::nullopt;
    const double scale = r / rd;
    return Point2{kCentre.x + dx * scale, kCentre.y + dy * scale};
}

Point2 CameraModel::Turn(Point2 p) const {
    if (config_.upsideDown) p = {kFrameWidth - p.x, kFrameHeight - p.y};
    if (config_.mirrored) p.x = kFrameWidth - p.x;
    return p;
}

Point2 CameraModel::ScreenToCamera(Point2 screen) const {
    return Turn(Distort(screenToIdeal_.Apply(screen)));
}

std::optional<Point2> CameraModel::CameraToScreen(Point2 camera) const {
    if (!valid_) return std::nullopt;
    const auto ideal = Undistort(Turn(camera));
    if (!ideal) return std::nullopt;
    return idealToScreen_.Apply(*ideal);
}

sim::ScreenToCamera CameraModel::Projection() const {
    return [model = *this](double x, double y) -> std::optional<CameraPointF> {
        if (!model.Valid()) return std::nullopt;
        const Point2 c = model.ScreenToCamera({x, y});
        if (!std::isfinite(c.x) || !std::isfinite(c.y)) return std::nullopt;
        return CameraPointF{c.x, c.y};
    };
}

std::optional<PixelPoint> CameraModel::CameraPixelOf(PixelPoint s) const {
    const PixelPoint c = PixelHolding(ScreenToCamera(PixelCentre(s)));
    if (!CameraToScreenTable::InFrame(c.x, c.y)) return std::nullopt;
    return c;
}

CalibrationGrid CameraModel::MeasuredLattice(const TargetGeometry& targets,
                                             const std::function<Point2(Point2)>& disturb) const {
    TargetGeometry t = targets;
    t.screenWidth = config_.screenWidth;
    t.screenHeight = config_.screenHeight;
    CalibrationGrid grid;
    const auto measure = [&](PixelPoint cross) {
        const Point2 c = ScreenToCamera(PixelCentre(cross));
        return PixelHolding(disturb ? disturb(c) : c);
    };
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            grid.G(2 * i, 2 * j) = measure(CrossOf(MainTarget(t, i, j, TargetStyle::kMeasured)));
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            grid.G(2 * a + 1, 2 * b + 1) =
                measure(CrossOf(InnerTarget(t, a, b, TargetStyle::kMeasured)));
    return grid;
}

}  // namespace halvertone::sim
