#pragma once
// The projection-method dialog: "Desktop" or "Ceiling" mounting (the "Flip" setting), and the
// window in which the calibration shows its messages. Modeless; shown and hidden, never
// destroyed while the program runs.
#include <cstdint>
#include <functional>
#include <string>

#include "calibration/calibration_environment.h"
#include "calibration/calibration_state.h"

namespace halvertone {

inline constexpr int kIdDesktop = 1114;
inline constexpr int kIdCeiling = 1115;
inline constexpr int kIdCalibrationMessage = 1118;
inline constexpr int kRestartTimer = 0;
inline constexpr uint32_t kRestartDelayMs = 2000;

class ProjectionMethodDialog {
  public:
    ProjectionMethodDialog(const CalibrationEnvironment& env, CalibrationState& state);

    // What OK and the restart timer run: the calibration command.
    void SetCommand(std::function<void()> command) { command_ = std::move(command); }

    void OnInit();
    void OnRadio(int id);
    void OnOk();
    void OnCancel();
    void OnTimer(int id);

    // For the calibration command: the message with the mounting choice and OK/Cancel...
    void ShowMessage(const std::string& text);
    // ...or without them, restarting the calibration after two seconds.
    void ShowRestartMessage(const std::string& text);
    void CheckFlip(int32_t flip);

  private:
    void ShowChoices(bool show);
    void RunCommand() {
        if (command_) command_();
    }

    const CalibrationEnvironment& env_;
    CalibrationState& state_;
    std::function<void()> command_;
};

}  // namespace halvertone
