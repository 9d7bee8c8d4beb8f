#pragma once
// The calibration command (tray menu "Do Calibration", the projection-method dialog's OK and its
// restart timer). Depending on the flags it starts a run, repairs a camera that sees the screen
// upside down, or shows the projection-method dialog.
#include "calibration/calibration_environment.h"
#include "calibration/calibration_state.h"
#include "calibration/projection_method_dialog.h"

namespace halvertone {

class CalibrationCommand {
  public:
    CalibrationCommand(const CalibrationEnvironment& env, CalibrationState& state,
                       ProjectionMethodDialog& dialog);

    void Run();

  private:
    void StartRun();
    // Turns the camera picture by 180 degrees, stores the new "Flip" and restarts in 2 s.
    void RepairOrientation();
    void AskForMethodOrRestart();

    const CalibrationEnvironment& env_;
    CalibrationState& state_;
    ProjectionMethodDialog& dialog_;
};

}  // namespace halvertone
