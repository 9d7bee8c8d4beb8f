#pragma once
// The real program with virtual webcams: its settings, a perfect calibration as a run through
// the virtual webcam would leave it, and what the test watches (the toolbar, the cursor).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "annotation/toolbar_layout.h"
#include "message_pump.h"
#include "platform/win32/private_profile_store.h"
#include "program_copy.h"
#include "simulator/perfect_calibration.h"

namespace halvertone::testing {

inline constexpr char kProgram[] = "halvertone.exe";
// The view both sides assume: the camera model's default with this lens.
inline constexpr double kK1 = -0.05;

inline std::string Settings(const std::string& vid, const std::string& pid) {
    return "[SETTING]\r\nPID=" + pid + "\r\nVID=" + vid + "\r\nSIDE=1\r\nPen Button Mode=1\r\n";
}

// A copy of the program calibrated as a perfect run through the virtual webcam would be.
inline void Calibrate(const ProgramCopy& copy) {
    sim::CameraView view;
    view.k1 = kK1;
    PrivateProfileStore settingsFile(copy.File("Setting.ini"));
    ASSERT_TRUE(sim::StorePerfectCalibration(
        settingsFile, view,
        TargetGeometry{16, 10, 10, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

inline HWND VisibleToolbar(DWORD pid) {
    for (HWND w : WindowsOf(pid, "#32770", ""))
        if (GetDlgItem(w, toolbar_button::kMouse) != nullptr && IsWindowVisible(w)) return w;
    return nullptr;
}

inline ::testing::AssertionResult CursorNear(int x, int y, DWORD limitMs) {
    // The table maps a camera pixel to about 2 screen pixels; the lens adds a little.
    constexpr int kTolerance = 8;
    POINT p{};
    const bool reached = PumpUntil(
        [&] {
            GetCursorPos(&p);
            return std::abs(p.x - x) <= kTolerance && std::abs(p.y - y) <= kTolerance;
        },
        limitMs);
    if (reached) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the cursor stayed at " << p.x << "," << p.y;
}

// Starts the program in `copy` and waits until its toolbar is up and the start-up room
// check, which wants the pen up, is over; the process id, or 0 when the toolbar never came.
inline DWORD StartPastTheRoomCheck(ProgramCopy& copy) {
    const DWORD pid = copy.Start(kProgram, "");
    if (WaitForWindow([&] { return VisibleToolbar(pid); }, 15000) == nullptr) return 0;
    Sleep(6000);
    return pid;
}

inline const std::string kLiveCamera = "LivePen=1\nK1=-0.05\n";

}  // namespace halvertone::testing
