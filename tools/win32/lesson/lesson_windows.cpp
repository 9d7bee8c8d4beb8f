#include "tools/win32/lesson/lesson_windows.h"

#include <utility>

namespace halvertone::lesson {
namespace {

constexpr int kButtonId = 501;

struct Search {
    DWORD pid;
    const char* cls;
    int childId;
    bool hiddenToo;
    HWND found;
};

}  // namespace

std::atomic<bool> Whiteboard::noteOpened_{false};

HWND WaitFor(const std::function<HWND()>& find, int timeoutMs) {
    for (int waited = 0;; waited += 100) {
        if (HWND w = find()) return w;
        if (waited >= timeoutMs) return nullptr;
        Sleep(100);
    }
}

HWND FindWindowWithChild(DWORD pid, const char* cls, int childId, bool hiddenToo) {
    Search s{pid, cls, childId, hiddenToo, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            char name[64] = {};
            GetClassNameA(w, name, sizeof name);
            if (owner != s->pid || (!s->hiddenToo && !IsWindowVisible(w)) ||
                lstrcmpA(name, s->cls) != 0)
                return TRUE;
            if (s->childId != 0 && GetDlgItem(w, s->childId) == nullptr) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindPopupMenu() {
    HWND w = FindWindowA("#32768", nullptr);
    return w && IsWindowVisible(w) ? w : nullptr;
}

POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool ChildCentre(HWND dialog, int childId, POINT& centre) {
    RECT r{};
    HWND child = dialog ? GetDlgItem(dialog, childId) : nullptr;
    if (!child || !GetWindowRect(child, &r)) return false;
    centre = Centre(r);
    return true;
}

Whiteboard::~Whiteboard() {
    if (HWND w = window_.load()) PostMessageA(w, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
}

bool Whiteboard::Open(const RECT& buttonRect) {
    thread_ = std::thread([this, buttonRect] { Run(buttonRect); });
    return WaitFor([this] { return ready_.load() ? window_.load() : nullptr; }, 5000) != nullptr;
}

void Whiteboard::Refresh() {
    HWND w = window_.load();
    if (!w) return;
    SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Whiteboard::Run(RECT b) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = "HalvertoneLessonBoard";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "Lesson", WS_POPUP | WS_VISIBLE, 0, 0,
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                             nullptr, wc.hInstance, nullptr);
    if (w)
        CreateWindowExA(0, "BUTTON", "Open", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, b.left, b.top,
                        b.right - b.left, b.bottom - b.top, w,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), wc.hInstance,
                        nullptr);
    window_ = w;
    ready_ = true;
    MSG m;
    while (w && GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    window_ = nullptr;
}

LRESULT CALLBACK Whiteboard::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && LOWORD(wp) == kButtonId) {
        noteOpened_ = true;
        HWND parent = hwnd;
        RECT r{};
        GetWindowRect(GetDlgItem(hwnd, kButtonId), &r);
        CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "Note opened by the pen",
                        WS_POPUP | WS_VISIBLE | WS_BORDER, r.left, r.bottom + 10, 220, 40, parent,
                        nullptr, GetModuleHandleA(nullptr), nullptr);
        return 0;
    }
    if (msg == WM_PAINT) {
        // The page paints itself white, as an application repaints its content: the clean
        // command and the eraser repaint windows without erasing their background.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_CLOSE) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace halvertone::lesson
