#include "calibration/calibration_frame_handler.h"

#include "calibration/calibration_blob.h"
#include "calibration/centre_refinement.h"
#include "calibration/target_checks.h"

namespace halvertone {

CalibrationFrameHandler::CalibrationFrameHandler(const CalibrationEnvironment& env,
                                                 CalibrationState& state,
                                                 std::function<void()> command)
    : env_(env), state_(state), command_(std::move(command)) {}

TargetGeometry CalibrationFrameHandler::Geometry() const {
    const Settings& s = env_.settings;
    return {s.calibrationSize, s.calibrationShiftX, s.calibrationShiftY, env_.screen.width,
            env_.screen.height};
}

int CalibrationFrameHandler::OnFrame() {
    std::lock_guard turn(turn_);
    const TakenFrame frame = env_.ring.Take();
    if (!frame) return 0;  // the ring was shut down
    const int accepted = Handle(frame);
    env_.ring.GiveBack();
    if (accepted) env_.beeper.Beep();
    return accepted;
}

int CalibrationFrameHandler::Handle(const TakenFrame& frame) {
    if (state_.orientationError) return 0;
    TargetProgress progress = state_.Progress();
    const TargetGeometry geometry = Geometry();
    env_.painter.Paint(TargetsToDraw(geometry, progress));
    // After the thirteenth target (a frame handed in before the next run starts) there is no
    // place left to store a point.
    if (!progress.HasCurrentTarget()) return 0;

    // A slot of another size cannot be scanned: no blob.
    if (!frame.IsFullFrame()) return 0;
    const uint8_t scanThreshold = env_.settings.checkEnvThreshold;
    const auto blob = FindCalibrationBlob(frame.View(), scanThreshold);
    if (!blob) return 0;
    const PixelPoint c = blob->Centre();
    if (!Plausible(progress, c) || !InnerTargetFits(progress, c)) return 0;

    const RefinedCentre refined = RefineCentre(frame.View(), *blob, scanThreshold);
    // The spot threshold follows the dimmest target seen so far.
    if (progress.IsFirstTarget() || refined.level < env_.settings.threshold)
        env_.settings.threshold = refined.level;

    Store(progress, refined.centre);
    const bool complete = Advance(progress);
    state_.SetProgress(progress);
    if (complete) Complete(progress);
    return 1;
}

bool CalibrationFrameHandler::Plausible(const TargetProgress& progress, PixelPoint c) {
    if (progress.phase == 1) return true;
    if (progress.IsFirstTarget()) {
        const int32_t position = ProjectorPositionFromFirstTarget(c);
        env_.settings.projectorPosition = position;
        if (position == kTurned180) {
            state_.orientationError = true;
            state_.done = true;
            if (command_) command_();
        }
        return true;
    }
    return PlausibleMainTarget(progress.MainStep(), c, env_.settings.grid,
                               env_.settings.projectorPosition);
}

bool CalibrationFrameHandler::InnerTargetFits(const TargetProgress& progress, PixelPoint c) const {
    if (progress.phase != 1 || env_.settings.projectorPosition != kUpright) return true;
    return InnerTargetInside(progress.InnerIndex(), c, env_.settings.grid);
}

void CalibrationFrameHandler::Store(const TargetProgress& progress, PixelPoint p) {
    // One sample completes a target.
    state_.sampleCount = 0;
    CalibrationGrid& grid = env_.settings.grid;
    if (progress.phase == 0)
        grid.mainPoints[static_cast<size_t>(progress.MainIndex())] = p;
    else
        grid.gridPoints[static_cast<size_t>(progress.InnerIndex())] = p;
}

void CalibrationFrameHandler::Complete(const TargetProgress& progress) {
    env_.painter.Paint(TargetsToDraw(Geometry(), progress));
    if (env_.hooks.buildTable) env_.hooks.buildTable();
    env_.repainter.RepaintAll(false);
    state_.done = true;
    state_.startRequest = false;
    state_.phase = 0;
    env_.beeper.Beep();
    env_.clock.SleepMs(700);
    env_.settings.threshold = env_.settings.checkEnvThreshold.load();
}

}  // namespace halvertone
