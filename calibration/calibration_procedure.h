#pragma once
// The calibration procedure as one object: its state, the projection-method dialog's logic,
// the calibration command and the per-frame handler, wired to each other.
#include "calibration/calibration_command.h"
#include "calibration/calibration_environment.h"
#include "calibration/calibration_frame_handler.h"
#include "calibration/calibration_state.h"
#include "calibration/projection_method_dialog.h"

namespace halvertone {

class CalibrationProcedure {
  public:
    explicit CalibrationProcedure(const CalibrationEnvironment& env)
        : env_(env),
          dialog_(env_, state_),
          command_(env_, state_, dialog_),
          handler_(env_, state_, [this] { command_.Run(); }) {
        dialog_.SetCommand([this] { command_.Run(); });
    }
    CalibrationProcedure(const CalibrationProcedure&) = delete;
    CalibrationProcedure& operator=(const CalibrationProcedure&) = delete;

    // The calibration command (tray menu command 32788).
    void Command() { command_.Run(); }
    // The calibration worker's turn; 1 when a target was accepted.
    int OnFrame() { return handler_.OnFrame(); }
    // The worker loops while the calibration is dispatched and this is clear.
    bool Done() const { return state_.done; }
    // The worker clears it before every turn.
    void ClearOrientationError() { state_.orientationError = false; }

    ProjectionMethodDialog& MethodDialog() { return dialog_; }
    CalibrationState& State() { return state_; }
    const CalibrationFrameHandler& Handler() const { return handler_; }

  private:
    CalibrationEnvironment env_;
    CalibrationState state_;
    ProjectionMethodDialog dialog_;
    CalibrationCommand command_;
    CalibrationFrameHandler handler_;
};

}  // namespace halvertone
