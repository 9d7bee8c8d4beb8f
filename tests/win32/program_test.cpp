// The real halvertone.exe in a scratch copy of its directory: one instance only, the hand-over
// to the running one, "/q", the camera failure box, what Exit saves and tells the capture
// tool with the camera connected or not, and the tray's mapping choice.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "plugged_webcam.h"
#include "program_copy.h"

namespace halvertone {
namespace {

using testing::MainWindowOf;
using testing::MessageBoxOf;
using testing::MessageBoxText;
using testing::ProgramCopy;
using testing::WaitForWindow;
using testing::WindowsOf;

constexpr char kProgram[] = "halvertone.exe";
constexpr char kCaptureTool[] = "Grab_Screen.exe";
constexpr char kCaption[] = "Halvertone";  // "Dialog Caption" and "Dialog_Caption" in English
// Settings without "Pen Width": the key appears only when Exit writes the pen settings.
constexpr char kNoCamera[] = "[SETTING]\r\nPID=\r\nVID=\r\nPen Color=255\r\n";
constexpr char kVirtualCamera[] = "[SETTING]\r\nPID=0401\r\nVID=1d6b\r\nPen Color=255\r\n";

HWND AnyWindowOf(DWORD pid) {
    std::pair<DWORD, HWND> q{pid, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* q = reinterpret_cast<std::pair<DWORD, HWND>*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != q->first || !IsWindowVisible(w)) return TRUE;
            q->second = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.second;
}

void Click(HWND box, int button) {
    PostMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
}

TEST(Program, QuitSwitchWithNothingRunningEndsAtOnceWithoutMutex) {
    testing::PluggedWebcam camera("Virtual Program Camera", "1d6b", "0401", "");
    ProgramCopy copy(kVirtualCamera);
    const DWORD pid = copy.Start(kProgram, "/Q");
    ASSERT_NE(pid, 0u);
    EXPECT_EQ(copy.WaitExit(pid, 8000), 0u);
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "TovRenn-0515");
    EXPECT_EQ(mutex, nullptr) << "a single-instance mutex outlived the quit start";
    if (mutex) CloseHandle(mutex);
}

TEST(Program, SecondStartShowsTheRunningInstanceAndQuitAsksThenExitsWithCameraConnected) {
    testing::PluggedWebcam camera("Virtual Program Camera", "1d6b", "0401", "");
    ProgramCopy copy(kVirtualCamera);
    const DWORD first = copy.Start(kProgram, "");
    HWND main = WaitForWindow([&] { return MainWindowOf(first); });
    ASSERT_NE(main, nullptr) << "the main window never appeared";
    EXPECT_FALSE(IsWindowVisible(main)) << "the main window starts hidden";
    const DWORD tool = copy.Start(kCaptureTool, "");
    ASSERT_NE(WaitForWindow([&] { return AnyWindowOf(tool); }), nullptr);

    const DWORD second = copy.Start(kProgram, "");
    EXPECT_EQ(copy.WaitExit(second, 8000), 0u) << "the second instance kept running";
    EXPECT_NE(WaitForWindow([&] { return IsWindowVisible(main) ? main : nullptr; }, 3000), nullptr)
        << "the running instance's main window was not shown";
    EXPECT_TRUE(copy.Running(first));

    const DWORD quit = copy.Start(kProgram, "/q");
    EXPECT_EQ(copy.WaitExit(quit, 8000), 0u);
    HWND ask = WaitForWindow([&] { return MessageBoxOf(first, kCaption, IDYES); });
    ASSERT_NE(ask, nullptr) << "the running instance did not ask";
    EXPECT_NE(MessageBoxText(ask).find("\r\n"), std::string::npos)
        << "the confirmation's \\n was not turned into a line break";
    Click(ask, IDYES);
    EXPECT_EQ(copy.WaitExit(first, 8000), 0u) << "Yes did not end the program";
    EXPECT_NE(copy.WaitExit(tool, 5000), static_cast<DWORD>(STILL_ACTIVE))
        << "the capture tool did not get the closing broadcast";
    EXPECT_NE(copy.Read("Setting.ini").find("Pen Width=3"), std::string::npos)
        << "the pen settings were not saved";
}

TEST(Program, NoCameraIdsShowsTheErrorBoxAndCloseNeitherSavesNorBroadcasts) {
    ProgramCopy copy(kNoCamera);
    const DWORD pid = copy.Start(kProgram, "");
    HWND box = WaitForWindow([&] { return MessageBoxOf(pid, "Error!", IDOK); });
    ASSERT_NE(box, nullptr) << "no camera error box";
    EXPECT_EQ(MessageBoxText(box),
              "No camera was found. Please connect the camera and start Halvertone again.");
    Click(box, IDOK);
    HWND main = WaitForWindow([&] { return MainWindowOf(pid); });
    ASSERT_NE(main, nullptr);
    Sleep(300);
    EXPECT_TRUE(copy.Running(pid)) << "the program ended after the camera failure";

    const DWORD tool = copy.Start(kCaptureTool, "");
    ASSERT_NE(WaitForWindow([&] { return AnyWindowOf(tool); }), nullptr);
    // Closing the main window exits without asking.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(copy.WaitExit(pid, 8000), 0u) << "closing the main window did not exit";
    Sleep(300);
    EXPECT_TRUE(copy.Running(tool)) << "the capture tool was told to close without a camera";
    EXPECT_EQ(copy.Read("Setting.ini").find("Pen Width"), std::string::npos)
        << "pen settings were saved without a camera";
}

// The tray's "Precise mapping" item switches "Mapping Mode" between 2 and 0 in Setting.ini.
TEST(Program, PreciseMappingItemWritesTheMappingMode) {
    testing::PluggedWebcam camera("Virtual Program Camera", "1d6b", "0401", "");
    ProgramCopy copy(kVirtualCamera);
    const DWORD pid = copy.Start(kProgram, "");
    HWND main = WaitForWindow([&] { return MainWindowOf(pid); });
    ASSERT_NE(main, nullptr);
    constexpr WPARAM kPreciseMapping = 32807;
    const auto written = [&](const char* line) {
        return WaitForWindow(
            [&] {
                return copy.Read("Setting.ini").find(line) != std::string::npos ? main : nullptr;
            },
            5000);
    };
    PostMessageA(main, WM_COMMAND, kPreciseMapping, 0);
    EXPECT_NE(written("Mapping Mode=2"), nullptr) << "the item did not choose the precise mapping";
    PostMessageA(main, WM_COMMAND, kPreciseMapping, 0);
    EXPECT_NE(written("Mapping Mode=0"), nullptr) << "the item did not switch back";
    EXPECT_TRUE(copy.Running(pid));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(copy.WaitExit(pid, 8000), 0u);
}

std::wstring Wide(const std::string& ansi) {
    std::wstring out(ansi.size(), L'\0');
    out.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(),
                                                       static_cast<int>(ansi.size()), out.data(),
                                                       static_cast<int>(out.size()))));
    return out;
}

// Installed under a user name outside the ANSI code page, the program still finds its own
// folder and starts.
TEST(Program, StartsFromAFolderNamedOutsideTheCodePage) {
    testing::PluggedWebcam camera("Virtual Program Camera", "1d6b", "0401", "");
    ProgramCopy copy(kVirtualCamera);
    std::wstring plain = Wide(copy.File(""));
    plain.pop_back();  // no trailing backslash
    const std::wstring greek = plain + L"-\u03a9\u03bc\u03ad\u03b3\u03b1";
    ASSERT_TRUE(MoveFileW(plain.c_str(), greek.c_str()));
    std::wstring exe = greek + L"\\halvertone.exe";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), exe.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               greek.c_str(), &si, &pi));
    EXPECT_NE(WaitForWindow([&] { return MainWindowOf(pi.dwProcessId); }), nullptr)
        << "the program did not start from its folder";
    TerminateProcess(pi.hProcess, 9);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_TRUE(MoveFileW(greek.c_str(), plain.c_str()));  // so the copy can clean up
}

}  // namespace
}  // namespace halvertone
