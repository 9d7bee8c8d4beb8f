#pragma once
// The calibration worker's per-frame step: draw the targets, find the pen's blob, check that
// it fits the current target, refine and store it, and move on to the next target; after the
// thirteenth, build and save the table.
#include <functional>
#include <mutex>

#include "calibration/calibration_environment.h"
#include "calibration/calibration_state.h"
#include "calibration/target_layout.h"

namespace halvertone {

class CalibrationFrameHandler {
  public:
    // `command` is the calibration command, run when the first target shows the camera
    // turned by 180 degrees.
    CalibrationFrameHandler(const CalibrationEnvironment& env, CalibrationState& state,
                            std::function<void()> command);

    // Waits for a frame; 1 when it completed a target, 0 otherwise.
    int OnFrame();

    TargetGeometry Geometry() const;

  private:
    int Handle(const TakenFrame& frame);
    // The first target decides the ProjectorPosition (and is always accepted); later main
    // targets must lie where the measured ones lead us to expect them.
    bool Plausible(const TargetProgress& progress, PixelPoint c);
    bool InnerTargetFits(const TargetProgress& progress, PixelPoint c) const;
    void Store(const TargetProgress& progress, PixelPoint p);
    void Complete(const TargetProgress& progress);

    const CalibrationEnvironment& env_;
    CalibrationState& state_;
    std::function<void()> command_;
    // Two workers overlapping after a quick restart take turns instead of sharing a frame.
    std::mutex turn_;
};

}  // namespace halvertone
