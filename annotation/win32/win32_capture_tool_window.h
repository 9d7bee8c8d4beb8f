#pragma once
// The capture tool's real window: alive when the handle still names a window, reached with
// the registered "Tarnwick Screen Draw" message.
#include "platform/capture_tool_window.h"

namespace halvertone::win32 {

class Win32CaptureToolWindow final : public CaptureToolWindow {
  public:
    Win32CaptureToolWindow();
    bool IsAlive(uintptr_t window) const override;
    void Send(uintptr_t window, uintptr_t code, intptr_t value) override;

  private:
    unsigned message_;
};

}  // namespace halvertone::win32
