#include "calibration/calibration_quality.h"

#include <algorithm>
#include <cmath>

#include "calibration/camera_fit.h"
#include "calibration/precise_table.h"
#include "calibration/visiting_order.h"
#include "capture/camera_frame.h"

namespace halvertone {
namespace {

// Area of the outline through the eight outer measured points, in camera pixels.
double OutlineArea(const MeasuredPoints& m) {
    // MainPoints order: 0 1 2 / 3 4 5 / 6 7 8; round the ring.
    constexpr size_t kRing[] = {0, 1, 2, 5, 8, 7, 6, 3};
    double twice = 0;
    for (size_t i = 0; i < std::size(kRing); ++i) {
        const PixelPoint a = m.points[kRing[i]];
        const PixelPoint b = m.points[kRing[(i + 1) % std::size(kRing)]];
        twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return std::abs(twice) / 2;
}

}  // namespace

int VisitingStep(size_t index) {
    TargetProgress p;
    for (int step = 1; step <= static_cast<int>(kMeasuredCount); ++step) {
        const size_t at = p.phase == 0 ? static_cast<size_t>(p.MainIndex())
                                       : 9 + static_cast<size_t>(p.InnerIndex());
        if (at == index) return step;
        Advance(p);
    }
    return 0;
}

CalibrationQuality GradeCalibration(const MeasuredPoints& measured, const TargetGeometry& targets,
                                    int32_t projectorPosition) {
    CalibrationQuality q;
    const double frameArea = static_cast<double>(kFrameWidth) * kFrameHeight;
    const double area = OutlineArea(measured);
    q.coveragePercent = static_cast<int>(std::lround(100 * std::min(area / frameArea, 1.0)));

    const auto pairs = CalibrationPairs(measured, targets, projectorPosition);
    const CameraFit fit = FitCameraModel(pairs, targets.screenWidth, targets.screenHeight);
    if (!fit.ok) {
        q.hint = QualityHint::kNoFit;
        q.whyNot = fit.whyNot;
        return q;
    }
    q.largestResidual = fit.largestResidual;
    q.worstTarget = VisitingStep(fit.largestAt);
    // How many screen pixels one camera pixel spans, from the two areas.
    const double screenArea = static_cast<double>(targets.screenWidth) * targets.screenHeight;
    const double screenPerCamera = area > 0 ? std::sqrt(screenArea / area) : 0;
    q.tolerance = std::max(kLeastTolerancePx, kToleranceCameraPixels * screenPerCamera);

    for (size_t i = 0; i < fit.residuals.size(); ++i)
        if (i != fit.largestAt) q.nextResidual = std::max(q.nextResidual, fit.residuals[i]);
    if (q.coveragePercent < kLeastCoveragePercent) {
        q.hint = QualityHint::kTooSmall;
        return q;
    }
    if (q.largestResidual <= q.tolerance) {
        q.good = true;
        return q;
    }
    q.hint = q.largestResidual >= kStandsOutFactor * q.nextResidual ? QualityHint::kHoldStill
                                                                    : QualityHint::kCalibrate;
    return q;
}

}  // namespace halvertone
