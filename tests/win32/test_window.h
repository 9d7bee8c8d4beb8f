#pragma once
// A bare top-level window of a class of the test's own, for tests that need a window to own
// a menu or to stand in for another program's window.
#include <windows.h>

namespace halvertone::testing {

// Registers `className` with `proc` (again is fine) and creates a popup window of it.
inline HWND CreateTestWindow(const char* className, WNDPROC proc, DWORD style, DWORD exStyle,
                             RECT at) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);  // "already exists" after the first time
    return CreateWindowExA(exStyle, className, "", WS_POPUP | style, at.left, at.top,
                           at.right - at.left, at.bottom - at.top, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

}  // namespace halvertone::testing
