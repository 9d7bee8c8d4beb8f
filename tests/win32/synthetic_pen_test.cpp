// The whole road of a frame in the real program: a virtual webcam renders a scripted pen
// through a distorting lens and hands it to DirectShow, and with the calibration a perfect run
// would have stored, the program moves the real cursor to the pen and clicks a window of this test.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "message_pump.h"
#include "simulator/perfect_calibration.h"
#include "platform/win32/private_profile_store.h"
#include "plugged_webcam.h"
#include "program_copy.h"

namespace halvertone {
namespace {

struct Click {
    UINT message;
    int x, y;
};
std::vector<Click> g_clicks;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) {
        g_clicks.push_back({msg, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(SyntheticPen, MovesTheRealCursorAndClicksAWindow) {
    const int32_t w = GetSystemMetrics(SM_CXSCREEN);
    const int32_t h = GetSystemMetrics(SM_CYSCREEN);
    sim::CameraView simulation;
    simulation.k1 = -0.05;
    testing::PluggedWebcam camera("Virtual Pen Camera", "1d6b", "0402",
                                  "K1=-0.05\nPenScript=pen.txt\n");
    testing::ProgramCopy copy("[SETTING]\r\nPID=0402\r\nVID=1d6b\r\nMapping Mode=1\r\n", 30000);
    PrivateProfileStore settingsFile(copy.File("Setting.ini"));
    ASSERT_TRUE(
        sim::StorePerfectCalibration(settingsFile, simulation, TargetGeometry{16, 10, 10, w, h}));

    WNDCLASSA wc{};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SyntheticPenTarget";
    RegisterClassA(&wc);
    constexpr int kLeft = 560, kTop = 360;
    HWND target = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "target", WS_POPUP | WS_VISIBLE,
                                  kLeft, kTop, 240, 180, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(target, nullptr);
    g_clicks.clear();

    // A drag from (200, 200) to (320, 260), then a tap in the middle of the target window; the
    // pen stays up during the start-up check of the room, which follows the table build (a few
    // seconds under Wine once the camera runs).
    camera.Directory().Write("pen.txt",
                             "# ms state x y\n"
                             "6000 down 200 200\n7000 down 320 260\n7300 up\n"
                             "8100 down 680 450\n8600 up\n");
    const DWORD pid = copy.Start("halvertone.exe", "");
    ASSERT_NE(pid, 0u);

    auto close = [](POINT p, int x, int y, int tolerance) {
        return std::abs(p.x - x) <= tolerance && std::abs(p.y - y) <= tolerance;
    };
    // The table ("Mapping Mode" 1) maps a camera pixel to about 2 screen pixels here; the lens and
    // the spot's centre add a little.
    constexpr int kTolerance = 8;
    const bool dragged = testing::PumpUntil(
        [&] {
            POINT p{};
            GetCursorPos(&p);
            return close(p, 320, 260, kTolerance);
        },
        15000);
    POINT seen{};
    GetCursorPos(&seen);

    EXPECT_TRUE(dragged) << "the cursor stayed at " << seen.x << "," << seen.y;

    const bool clicked = testing::PumpUntil([&] { return g_clicks.size() >= 2; }, 8000);
    ASSERT_TRUE(clicked) << "the target window got " << g_clicks.size() << " button messages";
    EXPECT_EQ(g_clicks[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(g_clicks[1].message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_NEAR(g_clicks[0].x, 680 - kLeft, kTolerance);
    EXPECT_NEAR(g_clicks[0].y, 450 - kTop, kTolerance);
    DestroyWindow(target);
}

}  // namespace
}  // namespace halvertone
