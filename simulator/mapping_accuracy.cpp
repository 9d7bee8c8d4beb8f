#include "simulator/mapping_accuracy.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "calibration/int32_math.h"
#include "calibration/table_builder.h"
#include "calibration/target_layout.h"

namespace halvertone::sim {
namespace {

ErrorStats Summarise(std::vector<double>& errors) {
    ErrorStats s;
    s.samples = errors.size();
    if (errors.empty()) return s;
    std::sort(errors.begin(), errors.end());
    double sum = 0;
    for (double e : errors) sum += e;
    s.mean = sum / static_cast<double>(errors.size());
    s.p95 = errors[(errors.size() * 95 + 99) / 100 - 1];
    s.max = errors.back();
    return s;
}

double Distance(PixelPoint pixel, Point2 truth) {
    return std::hypot(pixel.x + 0.5 - truth.x, pixel.y + 0.5 - truth.y);
}

// The four corner targets' measured camera pixels to their crosses on the screen.
std::optional<Homography> CornerHomography(const CalibrationGrid& measured,
                                           const TargetGeometry& t) {
    const std::array<Point2, 4> camera{PixelCentre(measured.G(0, 0)), PixelCentre(measured.G(0, 4)),
                                       PixelCentre(measured.G(4, 4)),
                                       PixelCentre(measured.G(4, 0))};
    const auto cross = [&](int i, int j) {
        return PixelCentre(CrossOf(MainTarget(t, i, j, TargetStyle::kMeasured)));
    };
    const std::array<Point2, 4> screen{cross(0, 0), cross(0, 2), cross(2, 2), cross(2, 0)};
    return Homography::FromCorners(camera, screen);
}

}  // namespace

MappingAccuracy MeasureMappingAccuracy(const CameraModel& model, const TargetGeometry& targets,
                                       const MappingScenario& scenario) {
    TargetGeometry t = targets;
    t.screenWidth = model.Config().screenWidth;
    t.screenHeight = model.Config().screenHeight;

    Settings settings;
    // Noise: each camera position off by up to a camera pixel in x and y, uniformly.
    std::mt19937 random(scenario.noiseSeed);
    std::uniform_real_distribution<double> off(-1, 1);
    settings.grid = scenario.noiseSeed == 0
                        ? model.MeasuredLattice(t)
                        : model.MeasuredLattice(t, [&](Point2 c) {
                              return Point2{c.x + off(random), c.y + off(random)};
                          });
    settings.mappingMode = scenario.mappingMode;
    settings.calibrationShiftX = t.shiftX;
    settings.calibrationShiftY = t.shiftY;
    settings.calibrationSize = t.size;
    settings.projectorPosition = kUpright;
    ScreenMetrics metrics;
    metrics.Set(t.screenWidth, t.screenHeight);
    ScreenMapping mapping;
    const auto homography = CornerHomography(settings.grid, t);
    TableBuilder(settings, metrics, mapping).Build(1);

    const PixelPoint firstCross = CrossOf(MainTarget(t, 0, 0, TargetStyle::kMeasured));
    const PixelPoint lastCross = CrossOf(MainTarget(t, 2, 2, TargetStyle::kMeasured));
    const auto betweenCrosses = [&](Point2 p) {
        return p.x >= firstCross.x && p.x < lastCross.x + 1 && p.y >= firstCross.y &&
               p.y < lastCross.y + 1;
    };

    MappingAccuracy result;
    std::vector<double> tableErrors, coveredErrors, marginErrors, homographyErrors;
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        for (int32_t x = 0; x < kFrameWidth; ++x) {
            const auto truth = model.CameraToScreen(PixelCentre({x, y}));
            if (!truth || !(truth->x >= 0 && truth->x < t.screenWidth && truth->y >= 0 &&
                            truth->y < t.screenHeight))
                continue;
            const auto entry = mapping.LookUp(x, y);
            if (!entry) {
                ++result.uncovered;
                continue;
            }
            if (entry->x == kUnknown || entry->y == kUnknown) {
                ++result.unknown;
                continue;
            }
            const double error = Distance(*entry, *truth);
            tableErrors.push_back(error);
            (betweenCrosses(*truth) ? coveredErrors : marginErrors).push_back(error);
            if (!homography) continue;
            const Point2 estimate = homography->Apply(PixelCentre({x, y}));
            homographyErrors.push_back(Distance(
                {TruncToInt32(std::floor(estimate.x)), TruncToInt32(std::floor(estimate.y))},
                *truth));
        }
    }
    // The pen held on screen points: the camera pixel that sees each point, looked up.
    std::vector<double> penCovered, penMargin;
    const auto along = [](int32_t extent, int32_t i) {
        return std::min(16.0 * i + 0.5, extent - 0.5);
    };
    for (int32_t j = 0; j <= t.screenHeight / 16; ++j) {
        for (int32_t i = 0; i <= t.screenWidth / 16; ++i) {
            const Point2 point{along(t.screenWidth, i), along(t.screenHeight, j)};
            const Point2 c = model.ScreenToCamera(point);
            if (!(c.x >= 0 && c.x < kFrameWidth && c.y >= 0 && c.y < kFrameHeight)) continue;
            const auto entry =
                mapping.LookUp(TruncToInt32(std::floor(c.x)), TruncToInt32(std::floor(c.y)));
            if (!entry || entry->x == kUnknown || entry->y == kUnknown) continue;
            (betweenCrosses(point) ? penCovered : penMargin).push_back(Distance(*entry, point));
        }
    }
    result.penCovered = Summarise(penCovered);
    result.penMargin = Summarise(penMargin);
    result.table = Summarise(tableErrors);
    result.covered = Summarise(coveredErrors);
    result.margin = Summarise(marginErrors);
    result.homography = Summarise(homographyErrors);
    return result;
}

}  // namespace halvertone::sim
