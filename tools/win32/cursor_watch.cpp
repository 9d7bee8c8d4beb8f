// Notes every mouse event of the session, whoever sends it, with the time it arrived: a
// low-level mouse hook, so the program under test runs unchanged. For the soak (did the pen
// drive the cursor?) and the latency script (when did the cursor move?). One line per event:
//   <microseconds of the performance counter> <x> <y> <move|down|up|other>
// The counter is the one the virtual webcam stamps its frames with.
//
//   cursor_watch OUT_FILE SECONDS
// Prints "watching" once the hook is in place and exits 0 after SECONDS; 2 on a bad command
// line or an output file that cannot be written, 1 when the hook cannot be set.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tools/win32/performance_micros.h"

namespace {

FILE* g_out = nullptr;

const char* Kind(WPARAM message) {
    switch (message) {
        case WM_MOUSEMOVE:
            return "move";
        case WM_LBUTTONDOWN:
            return "down";
        case WM_LBUTTONUP:
            return "up";
        default:
            return "other";
    }
}

LRESULT CALLBACK MouseHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && g_out) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lp);
        std::fprintf(g_out, "%lld %ld %ld %s\n", halvertone::PerformanceMicroseconds(), event->pt.x,
                     event->pt.y, Kind(wp));
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: cursor_watch OUT_FILE SECONDS\n");
        return 2;
    }
    char* end = nullptr;
    const long seconds = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || seconds < 1 || seconds > 86400) {
        std::fprintf(stderr, "cursor_watch: SECONDS must be 1 .. 86400\n");
        return 2;
    }
    g_out = std::fopen(argv[1], "w");
    if (!g_out) {
        std::fprintf(stderr, "cursor_watch: cannot write %s\n", argv[1]);
        return 2;
    }
    HHOOK hook = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, GetModuleHandleA(nullptr), 0);
    if (!hook) {
        std::fprintf(stderr, "cursor_watch: no mouse hook (%lu)\n", GetLastError());
        std::fclose(g_out);
        return 1;
    }
    std::printf("watching\n");
    std::fflush(stdout);
    // The hook runs on this thread's message loop; a timer ends it.
    SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) break;
        DispatchMessageA(&msg);
    }
    UnhookWindowsHookEx(hook);
    std::fclose(g_out);
    return 0;
}
