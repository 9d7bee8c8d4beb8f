#pragma once
// The one registered window message between the drawing toolbar and the companion capture
// tool: wParam carries a code, lParam a value.
#include <cstdint>

namespace halvertone {

inline constexpr char kScreenDrawMessageName[] = "Tarnwick Screen Draw";

namespace screen_draw {
// Program -> all top-level windows (broadcast): the capture tool closes itself.
inline constexpr uintptr_t kClose = 1;
// Capture tool -> toolbar: the tool's drawing state; program -> tool: eraser notice (0, 1).
inline constexpr uintptr_t kDrawingState = 2;
// Capture tool -> toolbar: the tool's window handle.
inline constexpr uintptr_t kToolWindow = 4;
// Capture tool -> toolbar: the tool wants the toolbar back.
inline constexpr uintptr_t kWantToolbar = 5;
// Program -> tool: 0 before a screen capture to file, 1 after it.
inline constexpr uintptr_t kCaptureNotice = 6;
}  // namespace screen_draw

}  // namespace halvertone
