#include "calibration/win32/projection_method_window.h"

#include "resources/resource.h"

namespace halvertone {

bool ProjectionMethodWindow::Create(HINSTANCE resources, ProjectionMethodDialog& logic) {
    logic_ = &logic;
    return CreateModeless(resources, IDD_PROJECTION_METHOD, nullptr);
}

void ProjectionMethodWindow::OnInitDialog() {
    if (logic_ != nullptr) logic_->OnInit();
}

void ProjectionMethodWindow::OnCommand(int id, int code) {
    if (logic_ == nullptr) return;
    if (id == IDOK) {
        logic_->OnOk();
    } else if (id == IDCANCEL) {
        logic_->OnCancel();
    } else if (code == BN_CLICKED) {
        logic_->OnRadio(id);  // ids other than the two radio buttons are ignored there
    }
}

void ProjectionMethodWindow::OnTimer(int id) {
    if (logic_ != nullptr) logic_->OnTimer(id);
}

}  // namespace halvertone
