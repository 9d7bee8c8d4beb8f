#include "tracking/hold_timer.h"

#include <cstdlib>

#include "tracking/tool_mode.h"

namespace halvertone {

void HoldTimer::Tick() {
    const PixelPoint p = cursor_.Get();
    const PixelPoint ref = state_.holdReference;
    const bool still = std::llabs(int64_t{p.x} - ref.x) < 5 && std::llabs(int64_t{p.y} - ref.y) < 5;
    if (still && state_.penDown && toolbar_.ToolMode() == kToolMouse) {
        // The record carries the cursor in pixels; a button record does not use them.
        input_.Send(MouseRecord{p.x, p.y, kMouseRightUp});
        return;
    }
    state_.holdReference = p;
}

}  // namespace halvertone
