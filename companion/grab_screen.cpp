// Grab_Screen: the companion board. A full-screen white board the user can write on with the
// mouse (or the pen driving it). It reports its window and drawing state to the toolbar whose
// handle it was given, asks for the toolbar back on a right click or the space bar, and
// closes when the program announces its end.
#include <windows.h>

#include <optional>
#include <vector>

#include "annotation/capture_tool_command.h"
#include "annotation/screen_draw_message.h"

namespace {

using halvertone::kScreenDrawMessageName;
namespace code = halvertone::screen_draw;

constexpr char kClassName[] = "HalvertoneBoard";
constexpr char kTitle[] = "Board";
constexpr char kHint[] =
    "Board  -  write with the pen; right-click or Space brings the toolbar back, Esc closes";

struct Board {
    UINT message = 0;
    HWND toolbar = nullptr;
    std::vector<std::vector<POINT>> strokes;
    bool drawing = false;
};

Board g_board;

void TellToolbar(WPARAM what, LPARAM value) {
    if (g_board.toolbar != nullptr && IsWindow(g_board.toolbar))
        PostMessageA(g_board.toolbar, g_board.message, what, value);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(90, 90, 90));
    RECT title{r.left + 16, r.top + 12, r.right - 16, r.top + 40};
    DrawTextA(dc, kHint, -1, &title, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(20, 20, 160));
    HGDIOBJ old = SelectObject(dc, pen);
    for (const auto& s : g_board.strokes) {
        if (s.empty()) continue;
        MoveToEx(dc, s[0].x, s[0].y, nullptr);
        for (size_t i = 1; i < s.size(); ++i) LineTo(dc, s[i].x, s[i].y);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
    EndPaint(hwnd, &ps);
}

// Draws the newest piece of the current stroke without repainting the board.
void ExtendStroke(HWND hwnd, POINT p) {
    auto& s = g_board.strokes.back();
    HDC dc = GetDC(hwnd);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(20, 20, 160));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, s.back().x, s.back().y, nullptr);
    LineTo(dc, p.x, p.y);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(hwnd, dc);
    s.push_back(p);
}

LRESULT CALLBACK BoardProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == g_board.message && g_board.message != 0) {
        // Codes 2 and 6 from the program are notices the board has no use for.
        if (wp == code::kClose) DestroyWindow(hwnd);
        return 0;
    }
    switch (msg) {
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        case WM_LBUTTONDOWN:
            SetCapture(hwnd);
            g_board.drawing = true;
            g_board.strokes.push_back(
                {POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}});
            return 0;
        case WM_MOUSEMOVE:
            if (g_board.drawing && (wp & MK_LBUTTON))
                ExtendStroke(hwnd,
                             POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
            return 0;
        case WM_LBUTTONUP:
            g_board.drawing = false;
            ReleaseCapture();
            return 0;
        case WM_RBUTTONUP:
            TellToolbar(code::kWantToolbar, 0);
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_SPACE) TellToolbar(code::kWantToolbar, 0);
            if (wp == VK_ESCAPE) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            // The program's new strokes go back to the desktop.
            TellToolbar(code::kDrawingState, 0);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int show) {
    const std::optional<intptr_t> toolbar =
        halvertone::ParseToolbarWindow(cmdLine != nullptr ? cmdLine : "");
    if (toolbar) g_board.toolbar = reinterpret_cast<HWND>(*toolbar);
    g_board.message = RegisterWindowMessageA(kScreenDrawMessageName);

    WNDCLASSA wc{};
    wc.lpfnWndProc = BoardProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_CROSS);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return 1;

    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HWND board = CreateWindowExA(0, kClassName, kTitle, WS_POPUP, 0, 0, w, h, nullptr, nullptr,
                                 instance, nullptr);
    if (board == nullptr) return 1;
    ShowWindow(board, show == SW_HIDE ? SW_SHOW : show);
    UpdateWindow(board);

    TellToolbar(code::kToolWindow, reinterpret_cast<LPARAM>(board));
    TellToolbar(code::kDrawingState, 1);

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
