// Mouse mode through the real input layer: spots move the real cursor, a window receives the
// press and release at the expected client position, and the off-screen gesture arrives as a
// right click. Also the named tool-mode mutex, the worker threads' priority and the timer.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <cstdlib>
#include <future>
#include <thread>
#include <vector>

#include "platform/win32/named_mutex.h"
#include "platform/win32/send_input_sink.h"
#include "platform/win32/system_cursor.h"
#include "platform/win32/window_timer.h"
#include "platform/win32/worker_thread_starter.h"
#include "doubles/mouse_rig.h"

namespace halvertone {
namespace {

struct ButtonEvent {
    UINT message;
    int x, y;
};
std::vector<ButtonEvent> g_events;
std::vector<WPARAM> g_timers;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            g_events.push_back({msg, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_TIMER:
            g_timers.push_back(wp);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

void PumpOnce() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// Pumps messages until `done` holds or `limitMs` have passed.
template <typename Pred>
bool PumpUntil(Pred done, DWORD limitMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs) return false;
        PumpOnce();
        Sleep(1);
    }
    return true;
}

// Wine merges pointer moves that arrive while nobody reads messages; pumping after every
// record keeps each one.
class PumpingSink final : public InputSink {
  public:
    void Send(const MouseRecord& r) override {
        real_.Send(r);
        PumpOnce();
    }

  private:
    win32::SendInputSink real_;
};

class TargetWindow {
  public:
    TargetWindow(int x, int y, int w, int h) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TargetProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HalvertoneMouseTarget";
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "target", WS_POPUP | WS_VISIBLE, x,
                               y, w, h, nullptr, nullptr, wc.hInstance, nullptr);
        SetForegroundWindow(hwnd);
        UpdateWindow(hwnd);
        PumpUntil([] { return false; }, 200);  // let the window settle
        g_events.clear();
        g_timers.clear();
    }
    ~TargetWindow() { DestroyWindow(hwnd); }
    HWND hwnd = nullptr;
};

bool Near(int a, int b) {
    return std::abs(a - b) <= 1;
}

TEST(RealMouseInput, SpotsPressDragReleaseAndClickRight) {
    TargetWindow target(100, 100, 600, 400);
    ASSERT_NE(target.hwnd, nullptr);
    PumpingSink sink;
    win32::SystemCursor cursor;
    sim::MouseRig rig(sink, cursor);
    rig.screen.Set(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetCursorPos(50, 50);
    PumpOnce();

    rig.state.glideNextPress = true;
    rig.SpotFrame(400, 300);
    ASSERT_TRUE(PumpUntil([] { return !g_events.empty(); })) << "no button press arrived";
    const PixelPoint c = cursor.Get();
    EXPECT_TRUE(Near(c.x, 400) && Near(c.y, 300)) << c.x << "," << c.y;
    EXPECT_EQ(g_events[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_TRUE(Near(g_events[0].x, 300) && Near(g_events[0].y, 200))
        << g_events[0].x << "," << g_events[0].y;

    rig.SpotFrame(450, 320);  // drag
    rig.NoSpotFrame();        // release at the latest target
    ASSERT_TRUE(PumpUntil([] { return g_events.size() >= 2; })) << "no button release arrived";
    EXPECT_EQ(g_events[1].message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_TRUE(Near(g_events[1].x, 350) && Near(g_events[1].y, 220))
        << g_events[1].x << "," << g_events[1].y;

    rig.OffScreenFrame(kOutsideTopBottom);
    rig.NoSpotFrame();  // the gesture: a right click where the cursor is
    ASSERT_TRUE(PumpUntil([] { return g_events.size() >= 4; })) << "no right click arrived";
    EXPECT_EQ(g_events[2].message, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_EQ(g_events[3].message, static_cast<UINT>(WM_RBUTTONUP));
    EXPECT_TRUE(Near(g_events[3].x, 350) && Near(g_events[3].y, 220))
        << g_events[3].x << "," << g_events[3].y;
    EXPECT_EQ(g_events.size(), 4u);
}

TEST(RealMouseInput, HoldTimerRunsOnTheWindowsTimer) {
    TargetWindow target(100, 100, 50, 50);
    win32::Win32WindowTimer timer(target.hwnd);
    timer.Start(273, 400);
    timer.Start(273, 10);  // a restart replaces the period
    // Three ticks well within the first 400 ms period: the restart took effect.
    ASSERT_TRUE(PumpUntil([] { return g_timers.size() >= 3; }, 300));
    EXPECT_EQ(g_timers[0], 273u);
    KillTimer(target.hwnd, 273);
}

TEST(ToolModeMutex, IsANamedMutexCreatedNotOwned) {
    win32::NamedMutex mutex(win32::kToolModeMutexName);
    ASSERT_TRUE(mutex.HasKernelObject());
    HANDLE other = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, "Tarnwick Mutex");
    ASSERT_NE(other, nullptr);
    const auto tryFromAnotherThread = [&] {
        return std::async(std::launch::async,
                          [&] {
                              const DWORD r = WaitForSingleObject(other, 0);
                              if (r == WAIT_OBJECT_0) ReleaseMutex(other);
                              return r;
                          })
            .get();
    };
    EXPECT_EQ(tryFromAnotherThread(), WAIT_OBJECT_0) << "free after creation";
    mutex.lock();
    EXPECT_EQ(tryFromAnotherThread(), static_cast<DWORD>(WAIT_TIMEOUT));
    mutex.unlock();
    EXPECT_EQ(tryFromAnotherThread(), WAIT_OBJECT_0);
    CloseHandle(other);
}

TEST(WorkerThreads, ThePenStartedByTheToolbarRunsAtTheHighestPriority) {
    win32::WorkerThreadStarter starter;
    for (auto [priority, expected] : {std::pair{ThreadPriority::kHighest, THREAD_PRIORITY_HIGHEST},
                                      std::pair{ThreadPriority::kNormal, THREAD_PRIORITY_NORMAL}}) {
        std::promise<int> seen;
        ASSERT_TRUE(starter.Start(WorkerKind::kPen, priority,
                                  [&] { seen.set_value(GetThreadPriority(GetCurrentThread())); }));
        EXPECT_EQ(seen.get_future().get(), expected);
    }
}

}  // namespace
}  // namespace halvertone
