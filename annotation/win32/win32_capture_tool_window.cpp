#include "annotation/win32/win32_capture_tool_window.h"

#include <windows.h>

#include "annotation/screen_draw_message.h"

namespace halvertone::win32 {
namespace {

// A capture tool that hangs must not hang the eraser worker with it.
constexpr UINT kSendTimeoutMs = 2000;

}  // namespace

Win32CaptureToolWindow::Win32CaptureToolWindow()
    : message_(RegisterWindowMessageA(kScreenDrawMessageName)) {}

bool Win32CaptureToolWindow::IsAlive(uintptr_t window) const {
    return window != 0 && IsWindow(reinterpret_cast<HWND>(window));
}

void Win32CaptureToolWindow::Send(uintptr_t window, uintptr_t code, intptr_t value) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(reinterpret_cast<HWND>(window), message_, code, value,
                        SMTO_ABORTIFHUNG | SMTO_NORMAL, kSendTimeoutMs, &answer);
}

}  // namespace halvertone::win32
