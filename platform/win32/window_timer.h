#pragma once
// Window timers of one window (SetTimer with the window's handle); the window procedure
// receives WM_TIMER with the id.
#include "platform/window_timer.h"

namespace halvertone::win32 {

class Win32WindowTimer final : public WindowTimer {
  public:
    explicit Win32WindowTimer(void* hwnd) : hwnd_(hwnd) {}
    void Start(uint32_t id, uint32_t periodMs) override;

  private:
    void* hwnd_;  // HWND
};

}  // namespace halvertone::win32
