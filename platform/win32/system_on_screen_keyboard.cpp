#include "platform/win32/system_on_screen_keyboard.h"

#include <windows.h>

#include <string>

#include "platform/win32/start_program.h"

namespace halvertone {

bool SystemOnScreenKeyboard::IsOpen() const {
    return FindWindowA(kOnScreenKeyboardClass, nullptr) != nullptr;
}

void SystemOnScreenKeyboard::Open() {
    if (HWND window = FindWindowA(kOnScreenKeyboardClass, nullptr)) {
        ShowWindow(window, SW_RESTORE);
        return;
    }
    char program[MAX_PATH] = {};
    const DWORD n =
        ExpandEnvironmentStringsA("%SystemRoot%\\system32\\osk.exe", program, sizeof program);
    if (n == 0 || n > sizeof program) return;
    // Started directly rather than through the shell: a missing program must not put up an
    // error box in front of the user.
    win32::StartProgram(std::string("\"") + program + "\"", SW_SHOW);
}

void SystemOnScreenKeyboard::Close() {
    if (HWND window = FindWindowA(kOnScreenKeyboardClass, nullptr))
        PostMessageA(window, WM_CLOSE, 0, 0);  // a posted WM_DESTROY would not end it
}

}  // namespace halvertone
