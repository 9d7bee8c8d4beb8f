#pragma once
// The companion capture tool's window as the eraser reaches it: whether the window the tool
// last reported is still alive, and sending it a "Tarnwick Screen Draw" message.
#include <cstdint>

namespace halvertone {

class CaptureToolWindow {
  public:
    virtual ~CaptureToolWindow() = default;
    virtual bool IsAlive(uintptr_t window) const = 0;
    // Sends (waits for the answer) code and value as wParam and lParam.
    virtual void Send(uintptr_t window, uintptr_t code, intptr_t value) = 0;
};

}  // namespace halvertone
