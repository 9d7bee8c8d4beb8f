#pragma once
// How good a finished calibration is, told to the user in plain words: the thirteen measured
// points against the camera model fitted to them give the largest residual in screen pixels
// and the target it belongs to; a poor grade comes with what to do about it.
#include <cstdint>
#include <string>

#include "base/measured_points.h"
#include "calibration/target_layout.h"

namespace halvertone {

enum class QualityHint {
    kNone,       // good
    kHoldStill,  // one target stands out: the pen moved or missed it
    kTooSmall,   // the screen fills too little of the camera's picture
    kCalibrate,  // several targets are off: calibrate again, carefully
    kNoFit,      // the points fit no camera view at all
};

struct CalibrationQuality {
    bool good = false;
    double largestResidual = 0;  // screen pixels
    int worstTarget = 0;         // 1..13 in the order the targets were shown; 0 without a fit
    double nextResidual = 0;     // the second largest, to tell one bad target from many
    double tolerance = 0;        // the largest residual a good calibration may have
    int coveragePercent = 0;     // share of the camera picture inside the calibrated outline
    QualityHint hint = QualityHint::kNone;
    std::string whyNot;  // the fit's reason when it failed
};

// A camera pixel is as exact as the pen's spot is found, and the centre refinement can be a
// whole pixel off either way; on screen that is one camera pixel's width, about two screen
// pixels for a screen that fills the picture. A good calibration keeps every target within
// 2 camera pixels (never less than 3 screen pixels): a clean one leaves under one camera
// pixel, while one target held 5 camera pixels (10 screen pixels) off leaves more than 2 even
// at a corner, where the lens term absorbs the most.
inline constexpr double kToleranceCameraPixels = 2.0;
inline constexpr double kLeastTolerancePx = 3.0;
// The worst target "stands out" when its residual is at least this multiple of the next worst.
// The fit drags a bad target's neighbours along, most at a corner: there one target held off
// leaves the next worst at just over half of its own; elsewhere at under a third.
inline constexpr double kStandsOutFactor = 1.6;
// Below a quarter of the picture a camera pixel spans twice the screen it spans when the screen
// fills the picture (over three screen pixels at 1024 wide): the cursor steps and jitters
// visibly, and the thirteen targets crowd into too few pixels to fit a lens to.
inline constexpr int kLeastCoveragePercent = 25;

// `projectorPosition` as the calibration found it; the targets at the screen size calibrated.
CalibrationQuality GradeCalibration(const MeasuredPoints& measured, const TargetGeometry& targets,
                                    int32_t projectorPosition);

// The step (1..13) at which the target of measured point `index` (0..12) was shown.
int VisitingStep(size_t index);

}  // namespace halvertone
