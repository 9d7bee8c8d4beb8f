#include "doubles/sim_eraser_window.h"

#include <algorithm>
#include <limits>

#include "base/eraser_side.h"

namespace halvertone::sim {
namespace {

// The far edge of a square, kept within the coordinate range.
int32_t FarEdge(int32_t edge0, int32_t side) {
    const int64_t edge = static_cast<int64_t>(edge0) + side;
    return static_cast<int32_t>(std::min<int64_t>(edge, std::numeric_limits<int32_t>::max()));
}

}  // namespace

bool SimEraserWindow::CreateEraserWindow(int32_t widthSetting) {
    std::lock_guard lock(mutex_);
    if (exists_) {
        UncoverSquare();
        ++counts_.destroyed;
    }
    const int32_t side = EraserSide(widthSetting);
    exists_ = true;
    visible_ = false;
    rect_ = {0, 0, side, side};
    ++counts_.created;
    return true;
}

void SimEraserWindow::MoveTo(PixelPoint topLeft) {
    std::lock_guard lock(mutex_);
    if (!exists_) return;
    UncoverSquare();
    const int32_t side = rect_.right - rect_.left;
    rect_ = {topLeft.x, topLeft.y, FarEdge(topLeft.x, side), FarEdge(topLeft.y, side)};
    ++counts_.moved;
    // The system moves a shown window's picture along with it.
    PaintSquare();
}

void SimEraserWindow::Show() {
    std::lock_guard lock(mutex_);
    if (!exists_) return;
    visible_ = true;
    ++counts_.shown;
    PaintSquare();
}

void SimEraserWindow::Repaint() {
    std::lock_guard lock(mutex_);
    if (!exists_) return;
    ++counts_.repainted;
    PaintSquare();
}

bool SimEraserWindow::Exists() const {
    std::lock_guard lock(mutex_);
    return exists_;
}

void SimEraserWindow::Destroy() {
    std::lock_guard lock(mutex_);
    if (!exists_) return;
    UncoverSquare();
    exists_ = false;
    visible_ = false;
    rect_ = {};
    ++counts_.destroyed;
}

PixelRect SimEraserWindow::Rect() const {
    std::lock_guard lock(mutex_);
    return rect_;
}

bool SimEraserWindow::Visible() const {
    std::lock_guard lock(mutex_);
    return visible_;
}

SimEraserCounts SimEraserWindow::Counts() const {
    std::lock_guard lock(mutex_);
    return counts_;
}

void SimEraserWindow::PaintSquare() {
    if (screen_ != nullptr && visible_) screen_->Fill(rect_, kEraserColour);
}

void SimEraserWindow::UncoverSquare() {
    if (screen_ != nullptr && visible_) screen_->Fill(rect_, desktop_);
}

}  // namespace halvertone::sim
