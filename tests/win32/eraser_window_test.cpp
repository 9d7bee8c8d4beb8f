// The eraser square as a real window: its size for the width setting, its styles, its light
// green whatever the system's window colour, and staying on top of ordinary windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <utility>

#include "backdrop_window.h"
#include "message_pump.h"
#include "annotation/win32/win32_eraser_window.h"
#include "screen_readback.h"

namespace halvertone {
namespace {

using testing::ReadScreen;
using testing::ScreenPixel;
using win32::Win32EraserWindow;

RECT WindowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

// Waits until every pixel of `area` has `colour`; false after a second. This thread's messages
// are left waiting, so what shows came from the calls made before.
bool ScreenShows(RECT area, uint32_t colour) {
    const DWORD start = GetTickCount();
    do {
        bool all = true;
        for (uint32_t p : ReadScreen(area).pixels) all = all && p == colour;
        if (all) return true;
        Sleep(10);
    } while (GetTickCount() - start < 1000);
    return false;
}

TEST(EraserWindowTest, HiddenTopmostToolWindowAtTheCornerSizedByTheWidthSetting) {
    for (const auto& [width, side] : {std::pair{1, 9}, {5, 31}, {30, 81}, {31, 80}, {100, 80}}) {
        Win32EraserWindow eraser;
        ASSERT_TRUE(eraser.CreateEraserWindow(width)) << width;
        const RECT r = WindowRect(eraser.Handle()), want{0, 0, side, side};
        EXPECT_TRUE(EqualRect(&r, &want)) << "width " << width << ": " << r.left << "," << r.top
                                          << " " << r.right - r.left << "x" << r.bottom - r.top;
        EXPECT_FALSE(IsWindowVisible(eraser.Handle()));
    }
    Win32EraserWindow eraser;
    ASSERT_TRUE(eraser.CreateEraserWindow(3));
    const HWND h = eraser.Handle();
    const LONG_PTR ex = GetWindowLongPtrA(h, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongPtrA(h, GWL_STYLE) & (WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION),
              WS_POPUP | WS_CLIPSIBLINGS);
    char title[32] = {};
    GetWindowTextA(h, title, sizeof title);
    EXPECT_STREQ(title, "Tarnwick Demo");
    EXPECT_EQ(GetClassLongPtrA(h, GCL_STYLE), CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(GetClassLongPtrA(h, GCLP_HBRBACKGROUND), COLOR_WINDOW + 1);
    EXPECT_EQ(GetClassLongPtrA(h, GCLP_HICON), 0);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(h, GCLP_HCURSOR)),
              LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

TEST(EraserWindowTest, ShownSquareIsLightGreenWhateverTheWindowColourAndRepaintsAtOnce) {
    // The system's window colour is magenta for the length of the test.
    struct WindowColour {
        int element = COLOR_WINDOW;
        COLORREF saved = GetSysColor(COLOR_WINDOW);
        explicit WindowColour(COLORREF c) { SetSysColors(1, &element, &c); }
        ~WindowColour() { SetSysColors(1, &element, &saved); }
    } magenta(0x00FF00FF);
    ASSERT_EQ(GetSysColor(COLOR_WINDOW), 0x00FF00FFu);

    Win32EraserWindow eraser;
    ASSERT_TRUE(eraser.CreateEraserWindow(10));  // 41 pixels
    eraser.MoveTo({200, 150});
    eraser.Show();
    EXPECT_TRUE(IsWindowVisible(eraser.Handle()));
    EXPECT_EQ(WindowRect(eraser.Handle()).left, 200);
    EXPECT_TRUE(ScreenShows({200, 150, 241, 191}, kEraserColour));

    // Ink drawn over the square goes at the next repaint.
    HDC screen = GetDCEx(nullptr, nullptr, DCX_WINDOW | 0x10000);
    HBRUSH red = CreateSolidBrush(0x000000FF);
    const RECT blot{210, 160, 230, 180};
    FillRect(screen, &blot, red);
    DeleteObject(red);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(ScreenPixel(220, 170), 0x000000FFu);
    eraser.Repaint();
    EXPECT_TRUE(ScreenShows({200, 150, 241, 191}, kEraserColour));

    // Moving keeps the size.
    eraser.MoveTo({500, 400});
    eraser.Repaint();
    const RECT moved = WindowRect(eraser.Handle());
    EXPECT_EQ(moved.left, 500);
    EXPECT_EQ(moved.top, 400);
    EXPECT_EQ(moved.right - moved.left, 41);
    EXPECT_TRUE(ScreenShows({500, 400, 541, 441}, kEraserColour));
}

TEST(EraserWindowTest, PaintingAnswersMessagesSentFromOtherThreads) {
    Win32EraserWindow eraser;
    ASSERT_TRUE(eraser.CreateEraserWindow(1));
    const HWND h = eraser.Handle();
    std::atomic<bool> answered{false};
    std::thread sender([&] {
        SendMessageA(h, WM_NULL, 0, 0);
        answered = true;
    });
    Sleep(100);
    EXPECT_FALSE(answered) << "this thread has not looked at its messages yet";
    eraser.Repaint();
    const DWORD start = GetTickCount();
    while (!answered && GetTickCount() - start < 1000) Sleep(5);
    EXPECT_TRUE(answered);
    testing::PumpUntil([&] { return answered.load(); });  // never leave the sender hanging
    sender.join();
}

// Checked in the system's stacking order: without a window manager, Wine under Xvfb does not
// keep topmost windows above later ones on the screen itself.
TEST(EraserWindowTest, StaysAboveAnOrdinaryWindowShownLater) {
    Win32EraserWindow eraser;
    ASSERT_TRUE(eraser.CreateEraserWindow(4));  // 21 pixels
    eraser.MoveTo({300, 300});
    eraser.Show();
    testing::BackdropWindow later({0x00202020}, 64, {250, 250, 450, 450});
    ASSERT_TRUE(IsWindowVisible(later.Handle()));
    EXPECT_EQ(WindowFromPoint({310, 310}), eraser.Handle());
    EXPECT_EQ(WindowFromPoint({330, 330}), later.Handle());

    // An ordinary window brought to the top still stays under the square.
    SetWindowPos(later.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint({310, 310}), eraser.Handle());
}

// The square follows the pen over the user's window and must leave it active: a square that
// took the activation would hand it back on every lift, waiting on the user's threads.
TEST(EraserWindowTest, ShowingAndDestroyingTheSquareLeavesTheActiveWindowAlone) {
    testing::BackdropWindow user({0x00FFFFFF}, 64, {100, 100, 700, 500});
    SetForegroundWindow(user.Handle());
    testing::PumpUntil([&] { return GetForegroundWindow() == user.Handle(); });
    ASSERT_EQ(GetForegroundWindow(), user.Handle());
    Win32EraserWindow eraser;
    ASSERT_TRUE(eraser.CreateEraserWindow(5));
    EXPECT_TRUE(GetWindowLongPtrA(eraser.Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    eraser.MoveTo({200, 200});
    eraser.Show();
    EXPECT_TRUE(IsWindowVisible(eraser.Handle()));
    EXPECT_EQ(GetForegroundWindow(), user.Handle()) << "eraser " << eraser.Handle();
    EXPECT_EQ(GetActiveWindow(), user.Handle());
    eraser.Destroy();
    EXPECT_EQ(GetForegroundWindow(), user.Handle());
}

TEST(EraserWindowTest, EachCreationReplacesTheSquareAndDestroyEndsIt) {
    Win32EraserWindow eraser;
    EXPECT_FALSE(eraser.Exists());
    eraser.MoveTo({10, 10});  // nothing to move: no effect
    eraser.Repaint();
    ASSERT_TRUE(eraser.CreateEraserWindow(2));
    const HWND first = eraser.Handle();
    eraser.Show();
    // The class is registered again; the old square must not stay behind on the screen.
    ASSERT_TRUE(eraser.CreateEraserWindow(20));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(eraser.Exists());
    EXPECT_EQ(WindowRect(eraser.Handle()).right, 61);

    // Another owner registers the same class again and still gets its square.
    Win32EraserWindow other;
    EXPECT_TRUE(other.CreateEraserWindow(1));

    const HWND second = eraser.Handle();
    eraser.Destroy();
    EXPECT_FALSE(eraser.Exists());
    EXPECT_EQ(eraser.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(second));
    eraser.Destroy();  // twice is harmless
    EXPECT_TRUE(other.Exists());
}

}  // namespace
}  // namespace halvertone
