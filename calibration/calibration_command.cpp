#include "calibration/calibration_command.h"

#include <string>

#include "capture/camera_image_turn.h"

namespace halvertone {
namespace {

constexpr const char* kSection = "Calibration Msg";

}  // namespace

CalibrationCommand::CalibrationCommand(const CalibrationEnvironment& env, CalibrationState& state,
                                       ProjectionMethodDialog& dialog)
    : env_(env), state_(state), dialog_(dialog) {}

void CalibrationCommand::Run() {
    if (state_.startRequest) {
        StartRun();
    } else if (state_.orientationError) {
        RepairOrientation();
    } else {
        AskForMethodOrRestart();
    }
}

void CalibrationCommand::StartRun() {
    if (env_.dispatch.CalibrationDispatched()) {
        env_.clock.SleepMs(100);
        env_.repainter.RepaintAll(true);
        env_.clock.SleepMs(100);
    }
    env_.dispatch.DispatchCalibration();
    env_.dispatch.ClearPenDown();
    // The phase is reset with the rest, before the worker exists: a run broken off during the
    // inner targets must not make the new worker's first frame an inner target.
    state_.SetProgress(TargetProgress{});
    state_.sampleCount = 0;
    state_.done = false;
    state_.startRequest = false;
    env_.dispatch.StartCalibrationWorker();
    env_.ring.AcceptFrames();
}

void CalibrationCommand::RepairOrientation() {
    const std::string text = env_.Text(kSection, "error");
    state_.startRequest = true;
    state_.orientationError = false;
    const int32_t flip = env_.settings.flip == 0 ? 1 : 0;
    env_.settings.flip = flip;
    env_.TurnCameraImage(CameraTurnValue(flip));
    env_.clock.SleepMs(300);
    dialog_.CheckFlip(flip);
    env_.profile.WriteString("SETTING", "Flip", std::to_string(flip));
    dialog_.ShowRestartMessage(text);
}

void CalibrationCommand::AskForMethodOrRestart() {
    if (!env_.dispatch.CalibrationDispatched()) {
        dialog_.ShowMessage(env_.Text(kSection, "correct"));
        return;
    }
    // A run is in progress: stop it (the orientation error flag makes its current frame end
    // at once) and start again from the first target in two seconds.
    env_.dispatch.ClearCalibrationDispatch();
    state_.startRequest = true;
    state_.orientationError = true;
    dialog_.ShowRestartMessage(env_.Text(kSection, "recalibration"));
}

}  // namespace halvertone
