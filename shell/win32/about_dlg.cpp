#include "shell/win32/about_dlg.h"

#include "shell/calibration_quality_report.h"
#include "shell/text_table.h"

namespace halvertone {

void CAboutDlg::OnInitDialog() {
    SetCaption(ReadText(language_, TextId::kAboutCaption));
    SetItemText(kVersionId, ReadText(language_, TextId::kAboutVersion));
    SetItemText(kCopyRightId, ReadText(language_, TextId::kAboutCopyRight));
    if (settingsFile_) SetItemText(kCalibrationId, QualityAboutLine(*settingsFile_, language_));
    if (variant_ == Variant::kMenu) SetItemText(IDOK, ReadText(language_, TextId::kAboutOkButton));
}

void CAboutDlg::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) End(id);
}

}  // namespace halvertone
