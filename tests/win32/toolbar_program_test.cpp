// The drawing toolbar in the real program with a virtual webcam: docked on the side "SIDE"
// names with the icon set of the screen and its buttons answering real mouse clicks. (The
// watchdog hiding it when the camera is unplugged is in webcam_program_test.cpp.)
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "annotation/toolbar_layout.h"
#include "plugged_webcam.h"
#include "program_copy.h"

namespace halvertone {
namespace {

using testing::ProgramCopy;
using testing::WaitForWindow;
using testing::WindowsOf;

constexpr char kProgram[] = "halvertone.exe";
using namespace toolbar_button;

// The settings name the camera every test plugs in.
std::string Settings(int side, int penButtonMode) {
    return "[SETTING]\r\nPID=0601\r\nVID=1d6b\r\nSIDE=" + std::to_string(side) +
           "\r\nPen Button Mode=" + std::to_string(penButtonMode) + "\r\n";
}

class ToolbarProgram : public ::testing::Test {
  protected:
    testing::PluggedWebcam camera_{"Virtual Toolbar Camera", "1d6b", "0601", ""};
};

HWND ToolbarOf(DWORD pid) {
    for (HWND w : WindowsOf(pid, "#32770", ""))
        if (GetDlgItem(w, kMouse) != nullptr) return w;
    return nullptr;
}

HWND VisibleToolbar(DWORD pid) {
    HWND w = ToolbarOf(pid);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// The toolbar once its initialisation has ended: it flashes up during the layout and hides
// again for the environment check, so it counts once it has stayed for two seconds.
HWND ReadyToolbar(DWORD pid) {
    const DWORD start = GetTickCount();
    DWORD since = 0;
    HWND shown = nullptr;
    while (GetTickCount() - start < 15000) {
        HWND w = VisibleToolbar(pid);
        if (w != shown) since = GetTickCount();
        shown = w;
        if (shown && GetTickCount() - since >= 2000) return shown;
        Sleep(50);
    }
    return nullptr;
}

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

RECT RectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

bool DockedOn(HWND toolbar, int side) {
    const RECT work = WorkArea();
    const RECT r = RectOf(toolbar);
    const bool edge = side == 0 ? r.left == work.left : r.right == work.right;
    return edge && r.top == (work.bottom - work.top - (r.bottom - r.top)) / 2;
}

// The icon sizes of the set shipped for this screen (other buttons, side button).
struct IconSizes {
    int other, side;
};
IconSizes ShippedSizes() {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    if (w == 1920 && h == 1080) return {48, 24};
    if (w == 1600 && h == 900) return {40, 20};
    return {32, 16};
}

bool Checked(HWND toolbar, int id) {
    return SendDlgItemMessageA(toolbar, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A real left click in the middle of a button, as mouse mode gives it.
void ClickButton(HWND toolbar, int id) {
    const RECT r = RectOf(GetDlgItem(toolbar, id));
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = (x * 65536 + w / 2) / w;
    move.mi.dy = (y * 65536 + h / 2) / h;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
    Sleep(60);
    INPUT press = move;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &press, sizeof press);
    Sleep(60);
    press.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &press, sizeof press);
}

template <typename F>
bool WaitFor(F condition, DWORD limitMs = 5000) {
    return WaitForWindow([&] { return condition() ? HWND(1) : nullptr; }, limitMs) != nullptr;
}

TEST_F(ToolbarProgram, DocksOnEitherSideWithTheScreensIconsAndTheBoardButtonTrimmed) {
    const IconSizes sizes = ShippedSizes();
    for (int side : {0, 1}) {
        ProgramCopy copy(Settings(side, 1));
        const DWORD pid = copy.Start(kProgram, "");
        HWND toolbar = ReadyToolbar(pid);
        ASSERT_NE(toolbar, nullptr) << "no toolbar on side " << side;
        EXPECT_TRUE(DockedOn(toolbar, side)) << "side " << side;
        const RECT r = RectOf(toolbar);
        const RECT work = WorkArea();
        EXPECT_GE(r.top, work.top);
        EXPECT_LE(r.bottom, work.bottom);
        EXPECT_TRUE(GetWindowLongA(toolbar, GWL_EXSTYLE) & WS_EX_TOPMOST);

        const RECT mouse = RectOf(GetDlgItem(toolbar, kMouse));
        EXPECT_EQ(mouse.right - mouse.left, sizes.other + 4);
        EXPECT_EQ(mouse.bottom - mouse.top, sizes.other + 4);
        const RECT sideButton = RectOf(GetDlgItem(toolbar, kSide));
        EXPECT_EQ(sideButton.right - sideButton.left, sizes.side + 4);
        for (int id : {kSide, kMouse, kPen, kEraser, kPenWidth, kRedrawScreen, kSoftKeyboard})
            EXPECT_NE(SendDlgItemMessageA(toolbar, id, BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
        EXPECT_EQ(SendDlgItemMessageA(toolbar, kBoard, BM_GETIMAGE, IMAGE_ICON, 0), 0);

        // "Pen Button Mode" 1: the board button lies below the window's bottom edge.
        EXPECT_LE(RectOf(GetDlgItem(toolbar, kSoftKeyboard)).bottom, r.bottom);
        EXPECT_GT(RectOf(GetDlgItem(toolbar, kBoard)).top, r.bottom - 4);
        // The mouse tool is chosen; with the board following the tool its drawing buttons
        // wait for the pen, and nothing is recorded that could be redrawn.
        EXPECT_TRUE(Checked(toolbar, kMouse));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(toolbar, kEraser)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(toolbar, kRedrawScreen)));

        // Closing the toolbar exits without asking.
        PostMessageA(toolbar, WM_CLOSE, 0, 0);
        EXPECT_EQ(copy.WaitExit(pid, 8000), 0u);
    }
}

TEST_F(ToolbarProgram, RealClicksSwitchTheSideAndChooseTools) {
    ProgramCopy copy(Settings(1, 0), 30000);
    const DWORD pid = copy.Start(kProgram, "");
    HWND toolbar = ReadyToolbar(pid);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(DockedOn(toolbar, 1));
    // "Pen Button Mode" 0: without the capture tool's own board button it is trimmed too.
    EXPECT_GT(RectOf(GetDlgItem(toolbar, kBoard)).top, RectOf(toolbar).bottom - 4);
    const LONG height = RectOf(toolbar).bottom - RectOf(toolbar).top;

    ClickButton(toolbar, kSide);
    EXPECT_TRUE(WaitFor([&] { return DockedOn(toolbar, 0); })) << "the side button did not move it";
    EXPECT_EQ(RectOf(toolbar).bottom - RectOf(toolbar).top, height) << "no second trim";

    ClickButton(toolbar, kPen);
    EXPECT_TRUE(WaitFor([&] { return Checked(toolbar, kPen) && IsWindowVisible(toolbar); }));
    EXPECT_FALSE(Checked(toolbar, kMouse));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(toolbar, kEraser)));

    ClickButton(toolbar, kEraser);
    EXPECT_TRUE(WaitFor([&] { return Checked(toolbar, kEraser); }));
    ClickButton(toolbar, kMouse);
    EXPECT_TRUE(WaitFor([&] { return Checked(toolbar, kMouse); }));
    EXPECT_FALSE(Checked(toolbar, kEraser));

    // No on-screen keyboard under Wine: nothing is reported, and the mouse stays chosen.
    ClickButton(toolbar, kSoftKeyboard);
    Sleep(300);
    EXPECT_TRUE(copy.Running(pid));
    EXPECT_TRUE(Checked(toolbar, kMouse));
    EXPECT_TRUE(IsWindowVisible(toolbar));

    PostMessageA(toolbar, WM_CLOSE, 0, 0);
    EXPECT_EQ(copy.WaitExit(pid, 8000), 0u);
}

// Clicks the board button until the board has gone. Under Wine the toolbar counts as visible
// before its X window is back on the screen, and a click in between lands on the board: click
// again, as a user would, while the button stays checked.
void CloseBoard(HWND toolbar) {
    for (int tries = 0; tries < 3 && Checked(toolbar, kBoard); ++tries) {
        ClickButton(toolbar, kBoard);
        WaitFor([&] { return !Checked(toolbar, kBoard); }, 3000);
    }
    EXPECT_TRUE(WaitFor([] { return FindWindowA("HalvertoneBoard", nullptr) == nullptr; }, 5000))
        << "the board did not close";
    EXPECT_FALSE(Checked(toolbar, kBoard));
}

HWND StartBoard(HWND toolbar) {
    ClickButton(toolbar, kBoard);
    HWND board = WaitForWindow([] { return FindWindowA("HalvertoneBoard", nullptr); }, 8000);
    EXPECT_NE(board, nullptr) << "the board did not start; board button checked "
                              << Checked(toolbar, kBoard) << ", toolbar visible "
                              << IsWindowVisible(toolbar);
    EXPECT_TRUE(Checked(toolbar, kBoard));
    return board;
}

TEST_F(ToolbarProgram, BoardButtonStartsAndClosesTheCaptureToolInPenButtonMode2) {
    ProgramCopy copy(Settings(0, 2), 30000);
    const DWORD pid = copy.Start(kProgram, "");
    HWND toolbar = ReadyToolbar(pid);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(DockedOn(toolbar, 0));
    // The capture tool's own board button stays in the window.
    EXPECT_LE(RectOf(GetDlgItem(toolbar, kBoard)).bottom, RectOf(toolbar).bottom);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(toolbar, kBoard)));

    // The toolbar steps aside while the board starts, and the stroke replay puts it back on top
    // of the board by itself.
    ASSERT_NE(StartBoard(toolbar), nullptr);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(toolbar) != FALSE; }, 4000))
        << "the replay did not bring the toolbar back";
    const RECT bar = RectOf(toolbar);
    EXPECT_EQ(GetAncestor(WindowFromPoint(POINT{(bar.left + bar.right) / 2, bar.top + 2}), GA_ROOT),
              toolbar)
        << "the toolbar is not above the board";
    CloseBoard(toolbar);

    // After a clean there is nothing to replay: the toolbar stays out of the board's way until
    // the board asks for it (code 5), which is answered with 0.
    ClickButton(toolbar, kCleanScreen);
    Sleep(300);
    ASSERT_NE(StartBoard(toolbar), nullptr);
    EXPECT_FALSE(IsWindowVisible(toolbar)) << "the toolbar stayed over the board";
    Sleep(1500);
    EXPECT_FALSE(IsWindowVisible(toolbar)) << "the toolbar came back without being asked";
    DWORD_PTR answer = 99;
    SendMessageTimeoutA(toolbar, RegisterWindowMessageA("Tarnwick Screen Draw"), 5, 0, SMTO_NORMAL,
                        3000, &answer);
    EXPECT_EQ(answer, 0u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(toolbar) != FALSE; }, 2000));
    CloseBoard(toolbar);

    PostMessageA(toolbar, WM_CLOSE, 0, 0);
    EXPECT_EQ(copy.WaitExit(pid, 8000), 0u);
}

}  // namespace
}  // namespace halvertone
