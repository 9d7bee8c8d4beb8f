#include "platform/sim/mapping_accuracy.h"

#include <algorithm>
#include <cmath>
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

MappingAccuracy MeasureMappingAccuracy(const CameraModel& model, const TargetGeometry& targets) {
    TargetGeometry t = targets;
    t.screenWidth = model.Config().screenWidth;
    t.screenHeight = model.Config().screenHeight;

    Settings settings;
    settings.grid = model.MeasuredLattice(t);
    settings.calibrationShiftX = t.shiftX;
    settings.calibrationShiftY = t.shiftY;
    settings.calibrationSize = t.size;
    settings.projectorPosition = kUpright;
    ScreenMetrics metrics;
    metrics.Set(t.screenWidth, t.screenHeight);
    ScreenMapping mapping;
    const auto homography = CornerHomography(settings.grid, t);
    TableBuilder(settings, metrics, mapping).Build(1);

    MappingAccuracy result;
    std::vector<double> tableErrors, homographyErrors;
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
            tableErrors.push_back(Distance(*entry, *truth));
            if (!homography) continue;
            const Point2 estimate = homography->Apply(PixelCentre({x, y}));
            homographyErrors.push_back(Distance(
                {TruncToInt32(std::floor(estimate.x)), TruncToInt32(std::floor(estimate.y))},
                *truth));
        }
    }
    result.table = Summarise(tableErrors);
    result.homography = Summarise(homographyErrors);
    return result;
}

}  // namespace halvertone::sim
