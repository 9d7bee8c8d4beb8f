#include "platform/sim/sim_eraser_window.h"

namespace halvertone::sim {

namespace {
std::string At(PixelPoint p) {
    return std::to_string(p.x) + ' ' + std::to_string(p.y);
}
}  // namespace

void SimEraserWindow::Create(int32_t widthSetting, PixelPoint topLeft) {
    exists_ = true;
    side_ = EraserSide(widthSetting);
    topLeft_ = topLeft;
    ++creates;
    log.push_back("create " + std::to_string(side_) + ' ' + At(topLeft));
}

void SimEraserWindow::MoveTo(PixelPoint topLeft) {
    if (!exists_) return;
    topLeft_ = topLeft;
    log.push_back("move " + At(topLeft));
}

void SimEraserWindow::Repaint() {
    if (exists_) log.push_back("repaint");
}

void SimEraserWindow::Destroy() {
    if (!exists_) return;
    exists_ = false;
    modalUiAtDestroy = ModalUiActive();
    log.push_back("destroy");
}

}  // namespace halvertone::sim
