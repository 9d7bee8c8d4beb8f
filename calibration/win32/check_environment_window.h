#pragma once
// The check-environment dialog (resource 186) as a modal window at start-up.
#include <atomic>

#include "calibration/check_environment_dialog.h"
#include "platform/win32/dialog_window.h"
#include "resources/resource.h"

namespace halvertone {

class CheckEnvironmentWindow final : public DialogWindow {
  public:
    CheckEnvironmentWindow(TextLookup text, CheckEnvironmentCounters counters,
                           std::atomic<bool>& firstTick = CheckEnvironmentFirstTickFlag());

    // Shows the dialog until its timer ends it: 1 when no frame had a bright pixel, 0 when
    // one had, -1 when the dialog could not be created.
    int Run(HINSTANCE resources, HWND parent, SharedValue<int32_t>* modalUiActive = nullptr);

  private:
    void OnInitDialog() override { logic_.OnInit(); }
    void OnCommand(int id, int code) override;
    void OnTimer(int id) override { logic_.OnTimer(id); }

    CheckEnvironmentDialog logic_;
};

}  // namespace halvertone
