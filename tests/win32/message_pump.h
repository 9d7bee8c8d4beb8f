#pragma once
// Runs the test thread's messages while a test waits for something a window does.
#include <windows.h>

namespace halvertone::testing {

// Pumps the test thread's messages until `done` holds; false after `limitMs`.
template <typename F>
bool PumpUntil(F done, DWORD limitMs = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    return true;
}

}  // namespace halvertone::testing
