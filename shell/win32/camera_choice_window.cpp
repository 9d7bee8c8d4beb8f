#include "shell/win32/camera_choice_window.h"

#include "capture/win32/video_devices.h"
#include "resources/resource.h"
#include "shell/text_table.h"

namespace halvertone {

std::vector<PresentCamera> PresentCameras() {
    std::vector<PresentCamera> present;
    for (const VideoDevice& d : EnumerateVideoDevices().devices)
        present.push_back(PresentCamera{d.name, d.path});
    return present;
}

CameraChoiceWindow::CameraChoiceWindow(const CameraChoiceContext& context,
                                       std::vector<CameraEntry> entries)
    : c_(context), entries_(std::move(entries)) {}

std::optional<CameraEntry> CameraChoiceWindow::Run() {
    RunModal(c_.resources, IDD_CAMERA_CHOICE, c_.parent, c_.modalUiActive);
    return chosen_;
}

void CameraChoiceWindow::OnInitDialog() {
    SetCaption(ReadText(c_.language, TextId::kCameraChoiceCaption));
    SetItemText(IDC_CAMERA_PROMPT, ReadText(c_.language, TextId::kCameraChoicePrompt));
    SetItemText(IDOK, ReadText(c_.language, TextId::kCameraChoiceOkButton));
    SetItemText(IDCANCEL, ReadText(c_.language, TextId::kCameraChoiceCancelButton));
    const std::string line = ReadText(c_.language, TextId::kCameraChoiceLine);
    const std::string inUse = ReadText(c_.language, TextId::kCameraChoiceInUse);
    HWND list = GetDlgItem(Handle(), IDC_CAMERA_LIST);
    int selected = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
        SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(CameraLine(entries_[i], line, inUse).c_str()));
        if (entries_[i].inUse) selected = static_cast<int>(i);
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    // Opened from the tray or at start-up with no window of ours in front: come to the front.
    SetForegroundWindow(Handle());
}

void CameraChoiceWindow::Choose() {
    const LRESULT at = SendDlgItemMessageA(Handle(), IDC_CAMERA_LIST, LB_GETCURSEL, 0, 0);
    if (at == LB_ERR || static_cast<size_t>(at) >= entries_.size()) return;
    const CameraEntry& entry = entries_[static_cast<size_t>(at)];
    // A camera whose path carries no ids could never be found again: keep the dialog open.
    if (!WriteCameraChoice(c_.settingsFile, entry)) return;
    chosen_ = entry;
    End(IDOK);
}

void CameraChoiceWindow::OnCommand(int id, int code) {
    if (id == IDOK || (id == IDC_CAMERA_LIST && code == LBN_DBLCLK)) {
        Choose();
    } else if (id == IDCANCEL) {
        End(IDCANCEL);
    }
}

std::optional<CameraEntry> RunCameraChoice(const CameraChoiceContext& context,
                                           bool onlyWithCameras) {
    std::vector<CameraEntry> entries = ListCameras(PresentCameras(), context.inUse);
    if (entries.empty() && onlyWithCameras) return std::nullopt;
    CameraChoiceWindow window(context, std::move(entries));
    return window.Run();
}

}  // namespace halvertone
