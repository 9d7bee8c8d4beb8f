#pragma once
// The About box (dialog 100). The menu variant also takes its OK button's text from the
// language file; the system-menu variant keeps the resource's. Both show the last
// calibration's figure from "Setting.ini" when it holds one.
#include <windows.h>

#include "platform/profile_store.h"
#include "platform/win32/dialog_window.h"

namespace halvertone {

class CAboutDlg final : public DialogWindow {
  public:
    enum class Variant { kMenu, kSystemMenu };

    CAboutDlg(ProfileStore& languageFile, Variant variant, ProfileStore* settingsFile = nullptr)
        : language_(languageFile), variant_(variant), settingsFile_(settingsFile) {}

    INT_PTR Run(HINSTANCE resources, HWND parent) {
        return RunModal(resources, kTemplateId, parent, nullptr);
    }

    static constexpr int kTemplateId = 100;
    static constexpr int kVersionId = 1087;
    static constexpr int kCopyRightId = 1088;
    static constexpr int kCalibrationId = 1091;

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;

    ProfileStore& language_;
    Variant variant_;
    ProfileStore* settingsFile_;
};

}  // namespace halvertone
