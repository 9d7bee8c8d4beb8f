// The companion board as the toolbar meets it: started with the toolbar's handle it reports
// its window and drawing state, asks for the toolbar back, and closes on the program's
// broadcast.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "annotation/capture_tool_command.h"
#include "annotation/screen_draw_message.h"
#include "program_paths.h"

namespace halvertone {
namespace {

std::vector<std::pair<WPARAM, LPARAM>> g_received;
UINT g_message = 0;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == g_message) {
        g_received.emplace_back(wp, lp);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// A stand-in for the toolbar window that records every ScreenDrawMessage.
class GrabScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_received.clear();
        g_message = RegisterWindowMessageA(kScreenDrawMessageName);
        ASSERT_NE(g_message, 0u);
        WNDCLASSA wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "GrabScreenTestHost";
        RegisterClassA(&wc);
        host_ = CreateWindowExA(0, wc.lpszClassName, "toolbar stand-in", WS_POPUP, 0, 0, 10, 10,
                                nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
    }
    void TearDown() override {
        if (pi_.hProcess != nullptr) {
            if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(pi_.hProcess, 9);
            CloseHandle(pi_.hProcess);
            CloseHandle(pi_.hThread);
        }
        DestroyWindow(host_);
    }

    bool Start(const std::string& argument) {
        const std::string exe = testing::ProgramDirectory() + kCaptureToolFileName;
        std::string cmd = "\"" + exe + "\" " + argument;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        return CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &pi_) != 0;
    }

    // Pumps messages until `done` holds or the board process ends; false on time-out.
    template <typename F>
    bool PumpUntil(F done, DWORD limitMs = 10000) {
        const DWORD end = GetTickCount() + limitMs;
        while (!done()) {
            const DWORD now = GetTickCount();
            if (static_cast<LONG>(end - now) <= 0) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        }
        return true;
    }

    const std::pair<WPARAM, LPARAM>* Find(WPARAM code, size_t from = 0) const {
        for (size_t i = from; i < g_received.size(); ++i)
            if (g_received[i].first == code) return &g_received[i];
        return nullptr;
    }
    bool Exited() const { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }

    HWND host_ = nullptr;
    PROCESS_INFORMATION pi_{};
};

TEST_F(GrabScreenTest, ReportsItsBoardAsksForTheToolbarAndClosesOnTheBroadcast) {
    ASSERT_TRUE(Start(std::to_string(reinterpret_cast<intptr_t>(host_))));
    ASSERT_TRUE(PumpUntil([&] {
        return Find(screen_draw::kToolWindow) && Find(screen_draw::kDrawingState);
    })) << "codes 4 and 2 did not arrive";
    EXPECT_EQ(g_received[0].first, screen_draw::kToolWindow) << "the window comes first";
    EXPECT_EQ(Find(screen_draw::kDrawingState)->second, 1);

    HWND board = reinterpret_cast<HWND>(Find(screen_draw::kToolWindow)->second);
    ASSERT_TRUE(IsWindow(board));
    DWORD pid = 0;
    GetWindowThreadProcessId(board, &pid);
    EXPECT_EQ(pid, pi_.dwProcessId) << "code 4 carries the board's own window";
    RECT r{};
    GetWindowRect(board, &r);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(IsWindowVisible(board));

    // The program's notices are accepted without effect.
    EXPECT_EQ(SendMessageA(board, g_message, screen_draw::kCaptureNotice, 0), 0);
    EXPECT_EQ(SendMessageA(board, g_message, screen_draw::kDrawingState, 1), 0);
    EXPECT_FALSE(Exited());

    const size_t before = g_received.size();
    PostMessageA(board, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return Find(screen_draw::kWantToolbar, before) != nullptr; }));
    PostMessageA(board, WM_RBUTTONUP, 0, MAKELPARAM(50, 50));
    ASSERT_TRUE(PumpUntil([&] {
        const auto* first = Find(screen_draw::kWantToolbar, before);
        return first &&
               Find(screen_draw::kWantToolbar, static_cast<size_t>(first - g_received.data()) + 1);
    })) << "a right click asks again";

    const size_t beforeClose = g_received.size();
    PostMessageA(HWND_BROADCAST, g_message, screen_draw::kClose, 0);
    ASSERT_TRUE(PumpUntil([&] { return Exited(); })) << "code 1 must close the board";
    DWORD exitCode = 99;
    GetExitCodeProcess(pi_.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    PumpUntil([&] { return Find(screen_draw::kDrawingState, beforeClose) != nullptr; }, 2000);
    const auto* last = Find(screen_draw::kDrawingState, beforeClose);
    ASSERT_NE(last, nullptr) << "closing reports the drawing state off";
    EXPECT_EQ(last->second, 0);
}

TEST_F(GrabScreenTest, ABadHandleArgumentStillShowsTheBoardButReportsNothing) {
    ASSERT_TRUE(Start("12abc"));
    // Find the board by its class once it is up.
    HWND board = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        board = FindWindowA("HalvertoneBoard", nullptr);
        return board != nullptr && IsWindowVisible(board);
    }));
    PostMessageA(board, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(HWND_BROADCAST, g_message, screen_draw::kClose, 0);
    ASSERT_TRUE(PumpUntil([&] { return Exited(); }));
    // Only our own broadcast reached the stand-in (it is a top-level window too).
    for (const auto& [code, value] : g_received) EXPECT_EQ(code, screen_draw::kClose);
}

}  // namespace
}  // namespace halvertone
