#pragma once
// The projection-distance dialog (resource 189) and the mouse-mode dialog (resource 190):
// modal windows whose radio buttons write their setting at once.
#include <functional>

#include "calibration/preset_choice_dialog.h"
#include "platform/win32/dialog_window.h"

namespace halvertone {

class PresetChoiceWindow final : public DialogWindow {
  public:
    // `apply` runs after OK has closed the dialog (the settings-apply step).
    PresetChoiceWindow(const PresetChoiceConfig& config, ProfileStore& profile, TextLookup text,
                       std::function<void()> apply);

    // IDOK or IDCANCEL; -1 when the dialog could not be created.
    int Run(HINSTANCE resources, int templateId, HWND parent,
            SharedValue<int32_t>* modalUiActive = nullptr);

  private:
    void OnInitDialog() override { logic_.OnInit(); }
    void OnCommand(int id, int code) override;

    PresetChoiceDialog logic_;
};

struct PresetDialogContext {
    HINSTANCE resources = nullptr;
    HWND parent = nullptr;
    ProfileStore& profile;  // "Setting.ini"
    TextLookup text;
    std::function<void()> apply;
    SharedValue<int32_t>* modalUiActive = nullptr;
};

// Tray command 32805: ">3M", ">2M" or "<2M" as "Threshold".
int RunProjectionDistanceDialog(const PresetDialogContext& context);
// Command 32806: "Operation Mode" yes or no.
int RunMouseModeDialog(const PresetDialogContext& context);

}  // namespace halvertone
