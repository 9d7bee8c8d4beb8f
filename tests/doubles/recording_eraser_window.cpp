#include "doubles/recording_eraser_window.h"

#include "base/eraser_side.h"
#include "base/modal_ui.h"

namespace halvertone::sim {

bool RecordingEraserWindow::CreateEraserWindow(int32_t widthSetting) {
    if (exists_) Destroy();
    exists_ = true;
    side_ = EraserSide(widthSetting);
    topLeft_ = {};
    ++creates;
    log.push_back("create " + std::to_string(side_));
    return true;
}

void RecordingEraserWindow::MoveTo(PixelPoint topLeft) {
    if (!exists_) return;
    topLeft_ = topLeft;
    log.push_back("move " + std::to_string(topLeft.x) + ' ' + std::to_string(topLeft.y));
}

void RecordingEraserWindow::Show() {
    if (exists_) log.push_back("show");
}

void RecordingEraserWindow::Repaint() {
    if (exists_) log.push_back("repaint");
}

void RecordingEraserWindow::Destroy() {
    if (!exists_) return;
    exists_ = false;
    modalUiAtDestroy = ModalUiActive();
    log.push_back("destroy");
}

}  // namespace halvertone::sim
