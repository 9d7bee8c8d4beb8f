// The real program choosing its camera among virtual webcams: the tray command's dialog lists
// them with their ids and a choice takes effect; without ids the dialog is offered at start.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "plugged_webcam.h"
#include "program_copy.h"
#include "resources/resource.h"
#include "tools/win32/virtual_webcam/live_pen.h"
#include "webcam_program.h"

namespace halvertone {
namespace {

using namespace testing;

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, IDC_CAMERA_LIST);
    const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        // Across processes Wine hands the text over in the control's own (wide) form.
        wchar_t text[300] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.emplace_back(text, text + wcslen(text));
    }
    return lines;
}

int LineOf(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text) return static_cast<int>(i);
    ADD_FAILURE() << "\"" << text << "\" is not among " << lines.size()
                  << " lines:" << ::testing::PrintToString(lines);
    return -1;
}

TEST(CameraChoiceProgram, ListsBothCamerasAndTheSecondChosenDrivesThePen) {
    PluggedWebcam first("Virtual First", "1d6b", "0211", "K1=-0.05\n");
    PluggedWebcam second("Virtual Second", "1d6b", "0212", kLiveCamera);
    LivePenMapping pen(true);
    ProgramCopy copy(Settings("1d6b", "0211"), 40000);
    Calibrate(copy);
    const DWORD pid = StartPastTheRoomCheck(copy);
    ASSERT_NE(pid, 0u) << "the camera did not connect";

    PostMessageA(MainWindowOf(pid), WM_COMMAND, ID_CAMERA_CHOICE, 0);
    HWND dialog = WaitForWindow([&] { return VisibleDialogOf(pid, "Choose the camera"); });
    ASSERT_NE(dialog, nullptr) << "the camera command opened no dialog";
    const std::vector<std::string> lines = Lines(dialog);
    EXPECT_GE(LineOf(lines, "Virtual First   (VID 1d6b, PID 0211)  (in use)"), 0);
    const int choice = LineOf(lines, "Virtual Second   (VID 1d6b, PID 0212)");
    ASSERT_GE(choice, 0) << "the second camera is not listed";
    SendDlgItemMessageA(dialog, IDC_CAMERA_LIST, LB_SETCURSEL, static_cast<WPARAM>(choice), 0);
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);

    const std::string written = copy.Read("Setting.ini");
    EXPECT_NE(written.find("VID=1d6b"), std::string::npos);
    EXPECT_NE(written.find("PID=0212"), std::string::npos) << written;
    Sleep(3000);  // the apply step reconnects a second later
    pen.Set(true, 600, 420);
    EXPECT_TRUE(CursorNear(600, 420, 8000)) << "the chosen camera's pen did not move the cursor";
    pen.Set(false, 600, 420);
}

TEST(CameraChoiceProgram, EmptyIdsOfferTheChoiceAndCancelLeavesTheNoFindMessage) {
    PluggedWebcam camera("Virtual Lone", "1d6b", "0213", "");
    ProgramCopy copy(Settings("", ""));
    const DWORD pid = copy.Start(kProgram, "");
    HWND dialog = WaitForWindow([&] { return VisibleDialogOf(pid, "Choose the camera"); });
    ASSERT_NE(dialog, nullptr) << "no camera choice offered at start";
    EXPECT_GE(LineOf(Lines(dialog), "Virtual Lone   (VID 1d6b, PID 0213)"), 0);
    SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    HWND box = WaitForWindow([&] { return MessageBoxOf(pid, "Error!", IDOK); });
    ASSERT_NE(box, nullptr) << "no camera error box after cancelling";
    EXPECT_EQ(MessageBoxText(box),
              "No camera was found. Please connect the camera and start Halvertone again.");
    EXPECT_EQ(copy.Read("Setting.ini").find("PID=0213"), std::string::npos);
}

}  // namespace
}  // namespace halvertone
