#include "annotation/screen_context.h"

namespace halvertone {

bool ScreenContext::Acquire(bool highlighter, const InkPen& pen) {
    std::lock_guard lock(mutex_);
    if (surface_) return true;
    surface_ = canvas_.OpenScreen();
    if (!surface_) return false;
    if (highlighter) {
        surface_->UsePen(pen);
        savedRasterOp_ = surface_->SetRasterOp(RasterOp::kMaskPen);
        highlighterSetUp_ = true;
    }
    return true;
}

void ScreenContext::Release() {
    std::lock_guard lock(mutex_);
    ReleaseLocked();
}

bool ScreenContext::Held() const {
    std::lock_guard lock(mutex_);
    return surface_ != nullptr;
}

void ScreenContext::ReleaseLocked() {
    if (!surface_) return;
    // Put back exactly what was changed at pen-down, whatever the highlighter flag says now.
    if (highlighterSetUp_) {
        surface_->SetRasterOp(savedRasterOp_);
        surface_->RestorePen();
        highlighterSetUp_ = false;
    }
    surface_.reset();
}

}  // namespace halvertone
