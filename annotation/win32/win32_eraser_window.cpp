#include "annotation/win32/win32_eraser_window.h"

#include "base/eraser_side.h"

namespace halvertone::win32 {
namespace {

LRESULT CALLBACK EraserProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            HBRUSH brush = CreateSolidBrush(kEraserColour);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 0;  // WM_PAINT covers every pixel
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

HINSTANCE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&EraserProc), &module);
    return module;
}

// Registered at every creation; a class left from an earlier one is used as it is.
bool RegisterEraserClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = EraserProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = kEraserWindowClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The eraser's worker owns the square but runs no message loop: answer what other threads
// sent to the square meanwhile, so that a program sending to every window (a setting or
// display change) is not held up until the stroke ends.
void DeliverSentMessages() {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

bool Win32EraserWindow::CreateEraserWindow(int32_t widthSetting) {
    Destroy();  // a second square would stay on the screen for good
    const HINSTANCE instance = OwnModule();
    if (!RegisterEraserClass(instance)) return false;
    const int side = EraserSide(widthSetting);
    // Never activated: the square must not take the focus from the user's window, and handing
    // activation back when it goes would have its worker wait on other threads' windows.
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kEraserWindowClass,
                            kEraserWindowTitle, WS_POPUP | WS_CLIPSIBLINGS, 0, 0, side, side,
                            nullptr, nullptr, instance, nullptr);
    return Exists();
}

void Win32EraserWindow::MoveTo(PixelPoint topLeft) {
    if (HWND h = hwnd_.load())
        SetWindowPos(h, nullptr, topLeft.x, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32EraserWindow::Show() {
    HWND h = hwnd_.load();
    if (h == nullptr) return;
    ShowWindow(h, SW_SHOWNOACTIVATE);
    // Painted now rather than at the next frame's repaint.
    UpdateWindow(h);
    DeliverSentMessages();
}

void Win32EraserWindow::Repaint() {
    HWND h = hwnd_.load();
    if (h == nullptr) return;
    InvalidateRect(h, nullptr, FALSE);
    UpdateWindow(h);
    DeliverSentMessages();
}

bool Win32EraserWindow::Exists() const {
    HWND h = hwnd_.load();
    return h != nullptr && IsWindow(h);
}

void Win32EraserWindow::Destroy() {
    if (HWND h = hwnd_.exchange(nullptr)) DestroyWindow(h);
}

}  // namespace halvertone::win32
