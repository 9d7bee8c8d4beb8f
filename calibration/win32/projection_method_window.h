#pragma once
// The projection-method dialog (resource 192): a modeless window without a parent that lives
// for the whole run, shown and hidden by the calibration. The window is the DialogView of the
// calibration environment, so it exists before the procedure whose dialog logic it serves.
#include "calibration/projection_method_dialog.h"
#include "platform/win32/dialog_window.h"

namespace halvertone {

class ProjectionMethodWindow final : public DialogWindow {
  public:
    // Creates the hidden window and lets `logic` initialise it; false when it could not be
    // created (the program runs on without it).
    bool Create(HINSTANCE resources, ProjectionMethodDialog& logic);

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;
    void OnTimer(int id) override;

    ProjectionMethodDialog* logic_ = nullptr;
};

}  // namespace halvertone
