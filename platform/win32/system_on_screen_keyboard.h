#pragma once
// The system's on-screen keyboard program, found by its window class "OSKMainClass".
#include "platform/on_screen_keyboard.h"

namespace halvertone {

inline constexpr const char* kOnScreenKeyboardClass = "OSKMainClass";

class SystemOnScreenKeyboard final : public OnScreenKeyboard {
  public:
    bool IsOpen() const override;
    // Restores the keyboard's window, or starts "%SystemRoot%\system32\osk.exe" shown. A
    // keyboard that cannot be started is not reported.
    void Open() override;
    // Posts WM_DESTROY to the keyboard's window, on which the keyboard program ends.
    void Close() override;
};

}  // namespace halvertone
