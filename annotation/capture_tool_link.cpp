#include "annotation/capture_tool_link.h"

#include "annotation/screen_draw_message.h"

namespace halvertone {

intptr_t HandleScreenDrawMessage(uintptr_t code, intptr_t value, int32_t operationMode,
                                 CaptureToolState& state, CaptureToolHost& host) {
    switch (code) {
        case screen_draw::kDrawingState:
            state.drawingState = value;
            break;
        case screen_draw::kToolWindow:
            state.window = static_cast<uintptr_t>(value);
            break;
        case screen_draw::kWantToolbar:
            if (operationMode == 0) host.ShowToolbar();
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace halvertone
