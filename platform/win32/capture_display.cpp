#include "platform/win32/capture_display.h"

namespace halvertone::win32 {

HBITMAP CaptureDisplay(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return nullptr;
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (display == nullptr) return nullptr;
    HBITMAP bitmap = nullptr;
    if (HDC memory = CreateCompatibleDC(display)) {
        bitmap = CreateCompatibleBitmap(display, width, height);
        if (bitmap != nullptr) {
            HGDIOBJ previous = SelectObject(memory, bitmap);
            BitBlt(memory, 0, 0, width, height, display, 0, 0, SRCCOPY);
            SelectObject(memory, previous);
        }
        DeleteDC(memory);
    }
    DeleteDC(display);
    return bitmap;
}

}  // namespace halvertone::win32
