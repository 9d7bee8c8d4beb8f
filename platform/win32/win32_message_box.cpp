#include "platform/win32/win32_message_box.h"

#include <windows.h>

namespace halvertone {

void Win32MessageBox::ShowOk(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), caption_.c_str(), MB_OK | MB_SETFOREGROUND);
}

}  // namespace halvertone
