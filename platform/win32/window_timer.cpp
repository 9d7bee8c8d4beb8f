#include "platform/win32/window_timer.h"

#include <windows.h>

namespace halvertone::win32 {

void Win32WindowTimer::Start(uint32_t id, uint32_t periodMs) {
    // SetTimer with an id the window already has replaces that timer: a restart.
    SetTimer(static_cast<HWND>(hwnd_), id, periodMs, nullptr);
}

}  // namespace halvertone::win32
