#pragma once
// The About box (dialog 100). The menu variant also takes its OK button's text from the
// language file; the system-menu variant keeps the resource's.
#include <windows.h>

#include "platform/profile_store.h"
#include "platform/win32/dialog_window.h"

namespace halvertone {

class CAboutDlg final : public DialogWindow {
  public:
    enum class Variant { kMenu, kSystemMenu };

    CAboutDlg(ProfileStore& languageFile, Variant variant)
        : language_(languageFile), variant_(variant) {}

    INT_PTR Run(HINSTANCE resources, HWND parent) {
        return RunModal(resources, kTemplateId, parent, nullptr);
    }

    static constexpr int kTemplateId = 100;
    static constexpr int kVersionId = 1087;
    static constexpr int kCopyRightId = 1088;

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;

    ProfileStore& language_;
    Variant variant_;
};

}  // namespace halvertone
