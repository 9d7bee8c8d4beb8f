// The real program's camera view with a virtual webcam: the picture shows the pen's spot where
// the pen is and the calibrated outline where the calibration put it, while the pen works.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "calibration/target_layout.h"
#include "platform/program_log.h"
#include "plugged_webcam.h"
#include "program_copy.h"
#include "resources/resource.h"
#include "screen_readback.h"
#include "shell/camera_view_picture.h"
#include "shell/win32/camera_view_window.h"
#include "simulator/camera_model.h"
#include "simulator/simulated_view.h"
#include "tools/win32/virtual_webcam/live_pen.h"
#include "webcam_program.h"

namespace halvertone {
namespace {

using namespace testing;

constexpr uint32_t Gdi(ViewColour c) {
    return static_cast<uint32_t>(c.r) | (static_cast<uint32_t>(c.g) << 8) |
           (static_cast<uint32_t>(c.b) << 16);
}

// The picture as the window shows it, brought back to camera pixels.
struct ViewPicture {
    ScreenShot shot;
    double scaleX = 1, scaleY = 1;  // window pixels per camera pixel

    uint32_t At(int x, int y) const {
        const int wx = static_cast<int>(x * scaleX), wy = static_cast<int>(y * scaleY);
        if (wx < 0 || wy < 0 || wx >= shot.Width() || wy >= shot.Height()) return 0;
        return shot.At(shot.area.left + wx, shot.area.top + wy);
    }
};

ViewPicture Picture(HWND view) {
    RECT client{};
    GetClientRect(view, &client);
    POINT origin{0, 0};
    ClientToScreen(view, &origin);
    const int height = client.bottom - CameraViewWindow::kFiguresStrip;
    return {ReadScreen({origin.x, origin.y, origin.x + client.right, origin.y + height}),
            client.right / 640.0, height / 480.0};
}

// The stored lattice point "Calibration N".
PixelPoint StoredPoint(const ProgramCopy& copy, int key) {
    const std::string file = copy.File("Setting.ini");
    const std::string n = "Calibration " + std::to_string(key);
    return {static_cast<int32_t>(
                GetPrivateProfileIntA("SETTING", (n + "-x").c_str(), -1000, file.c_str())),
            static_cast<int32_t>(
                GetPrivateProfileIntA("SETTING", (n + "-y").c_str(), -1000, file.c_str()))};
}

bool ColourNear(const ViewPicture& picture, PixelPoint p, uint32_t colour, int reach) {
    for (int y = p.y - reach; y <= p.y + reach; ++y)
        for (int x = p.x - reach; x <= p.x + reach; ++x)
            if (picture.At(x, y) == colour) return true;
    return false;
}

TEST(CameraViewProgram, ShowsTheSpotWhereThePenIsAndTheCalibratedOutline) {
    PluggedWebcam camera("Virtual Viewed", "1d6b", "0221", kLiveCamera);
    LivePenMapping pen(true);
    ProgramCopy copy(testing::Settings("1d6b", "0221"), 45000);
    Calibrate(copy);
    const DWORD pid = StartPastTheRoomCheck(copy);
    ASSERT_NE(pid, 0u) << "the camera did not connect";

    PostMessageA(MainWindowOf(pid), WM_COMMAND, ID_CAMERA_VIEW, 0);
    HWND view = WaitForWindow([&] { return VisibleDialogOf(pid, "Camera view"); });
    ASSERT_NE(view, nullptr) << "the camera view did not open";
    // The bottom middle target, below the view: the pen's presses land on the desktop.
    const TargetGeometry targets{16, 10, 10, GetSystemMetrics(SM_CXSCREEN),
                                 GetSystemMetrics(SM_CYSCREEN)};
    const PixelPoint at = CrossOf(MainTarget(targets, 2, 1, TargetStyle::kMeasured));
    pen.Set(true, at.x, at.y);
    EXPECT_TRUE(CursorNear(at.x, at.y, 8000)) << "the pen stopped working with the view open";

    // Where the camera sees that target's cross, as the calibration measured it.
    sim::CameraView lens;
    lens.k1 = kK1;
    const PixelPoint expected =
        sim::CameraModel(
            sim::SimulatedCameraConfig(lens, targets.screenWidth, targets.screenHeight))
            .MeasuredLattice(targets)
            .G(4, 2);
    ViewPicture shot;
    PixelPoint found{-1, -1};
    PumpUntil(
        [&] {
            shot = Picture(view);
            int n = 0, sx = 0, sy = 0;
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x)
                    if (shot.At(x, y) == Gdi(kSpotColour)) {
                        ++n;
                        sx += x;
                        sy += y;
                    }
            if (n != 0) found = {sx / n, sy / n};
            return n != 0;
        },
        5000);
    std::printf("[ spot ] seen at %d,%d, calibrated at %d,%d (%.3f x %.3f window pixels each)\n",
                found.x, found.y, expected.x, expected.y, shot.scaleX, shot.scaleY);
    EXPECT_NEAR(found.x, expected.x, 4);
    EXPECT_NEAR(found.y, expected.y, 4);
    pen.Set(false, at.x, at.y);

    // The outline runs along the top from G(0,0) through G(0,1) to G(0,2).
    const PixelPoint g00 = StoredPoint(copy, 1), g02 = StoredPoint(copy, 2);
    const PixelPoint quarter{g00.x + (g02.x - g00.x) / 4, g00.y + (g02.y - g00.y) / 4};
    EXPECT_TRUE(ColourNear(shot, quarter, Gdi(kOutlineColour), 3)) << "no outline near the top";
    EXPECT_TRUE(ColourNear(shot, g00, Gdi(kLatticeColour), 1)) << "no lattice point at G(0,0)";

    // Closing the view logs the frame path's figures over its last second.
    Sleep(2500);
    SendMessageA(view, WM_COMMAND, IDCANCEL, 0);
    const std::string log = copy.Read(kProgramLogFileName);
    const size_t line = log.rfind("camera view: ");
    ASSERT_NE(line, std::string::npos) << log;
    const std::string figures = log.substr(line, log.find('\n', line) - line);
    std::printf("[ figures ] %s\n", figures.c_str());
    EXPECT_EQ(figures.find("camera 0.0 frames/s"), std::string::npos) << "no frames counted";
}

TEST(CameraViewProgram, ALampAtStartShowsUpTintedInTheView) {
    PluggedWebcam camera("Virtual Lamp", "1d6b", "0222", "Lamp=1\n");
    ProgramCopy copy(testing::Settings("1d6b", "0222"), 20000);
    const DWORD pid = copy.Start(kProgram, "");
    // The failed room check shows the main window with its message.
    HWND main = WaitForWindow([&] { return VisibleMainWindowOf(pid); }, 12000);
    ASSERT_NE(main, nullptr) << "the failed room check did not show the main window";
    // Its message comes with a way to the view.
    HWND button = GetDlgItem(main, ID_CAMERA_VIEW);
    ASSERT_TRUE(button != nullptr && IsWindowVisible(button)) << "no camera view button";
    char text[64] = {};
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ(text, "Camera view");
    PostMessageA(button, BM_CLICK, 0, 0);
    HWND view = WaitForWindow([&] { return VisibleDialogOf(pid, "Camera view"); });
    ASSERT_NE(view, nullptr) << "the camera view did not open";
    // The lamp shows up tinted as a light at or above the threshold.
    EXPECT_TRUE(PumpUntil(
        [&] {
            const ViewPicture shot = Picture(view);
            for (uint32_t c : shot.shot.pixels)
                if (c == Gdi(kBrightTint)) return true;
            return false;
        },
        5000))
        << "no tinted light in the view";
}

}  // namespace
}  // namespace halvertone
