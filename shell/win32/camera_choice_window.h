#pragma once
// The camera choice dialog: the video devices present, the one in use marked; OK with a
// camera picked writes its ids to "Setting.ini".
#include <optional>
#include <vector>

#include "platform/profile_store.h"
#include "platform/win32/dialog_window.h"
#include "shell/camera_choice.h"

namespace halvertone {

struct CameraChoiceContext {
    HINSTANCE resources = nullptr;
    HWND parent = nullptr;
    ProfileStore& language;
    ProfileStore& settingsFile;  // "Setting.ini"
    CameraIds inUse;
    SharedValue<int32_t>* modalUiActive = nullptr;
};

// The cameras present now (name and device path), in the system's order.
std::vector<PresentCamera> PresentCameras();

class CameraChoiceWindow final : public DialogWindow {
  public:
    CameraChoiceWindow(const CameraChoiceContext& context, std::vector<CameraEntry> entries);

    // The camera chosen, once its ids are written; nothing on Cancel.
    std::optional<CameraEntry> Run();

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;
    void Choose();

    const CameraChoiceContext& c_;
    std::vector<CameraEntry> entries_;
    std::optional<CameraEntry> chosen_;
};

// Lists the cameras present and runs the dialog. With `onlyWithCameras`, nothing is shown
// when no camera is present.
std::optional<CameraEntry> RunCameraChoice(const CameraChoiceContext& context,
                                           bool onlyWithCameras);

}  // namespace halvertone
