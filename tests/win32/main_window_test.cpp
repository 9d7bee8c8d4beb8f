// The main window in this process over the shipped language file: the notification icon
// with its tooltip and menu texts, the system-menu About item, and the camera's outcome
// (a virtual webcam connected; no camera ids: the "Error!" box and the disconnected icon).
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "base/camera_connected.h"
#include "doubles/fake_toolbar.h"
#include "platform/win32/private_profile_store.h"
#include "plugged_webcam.h"
#include "program_paths.h"
#include "resource_module.h"
#include "shell/win32/halvertone_dlg.h"

namespace halvertone {
namespace {

std::string MenuText(HMENU menu, UINT id) {
    char text[160] = {};
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

class MainWindowTest : public ::testing::Test {
  protected:
    // With `cameraIds` the settings name a virtual webcam plugged in for the test.
    void Open(bool cameraIds) {
        if (cameraIds) {
            camera_ = std::make_unique<testing::PluggedWebcam>("Virtual Window Camera", "1d6b",
                                                               "0501", "");
            settings_.vid[0] = "1d6b";
            settings_.pid[0] = "0501";
            settings_.cameraIdCount = 1;
        }
        MainWindowContext c;
        c.resources = testing::ResourceModule();
        c.programDirectory = testing::ProgramDirectory();
        c.language = &language_;
        c.settings = &settings_;
        c.screen = &screen_;
        c.mapping = &mapping_;
        c.command = [](int) { return false; };
        dlg_ = std::make_unique<CHalvertoneDlg>(std::move(c));
        ASSERT_TRUE(dlg_->Create());
        engine_ = std::make_unique<TrackingEngine>(settings_, screen_, mapping_, dlg_->Handle(),
                                                   toolbar_, toolMode_, InkLinks{});
        dlg_->Start(*engine_);
    }
    void TearDown() override {
        if (!dlg_) return;
        dlg_->StopFrames();
        dlg_->Tray().ShowIcon(-1);
        dlg_->Destroy();
    }

    PrivateProfileStore language_{testing::ProgramDirectory() + "Language\\English.ini"};
    Settings settings_;
    ScreenMetrics screen_;
    ScreenMapping mapping_;
    std::unique_ptr<testing::PluggedWebcam> camera_;
    sim::FakeToolbar toolbar_;
    SharedValue<int32_t> toolMode_{0};
    std::unique_ptr<CHalvertoneDlg> dlg_;
    std::unique_ptr<TrackingEngine> engine_;
};

TEST_F(MainWindowTest, ConnectedCameraShowsTheConnectedIconAndTheLanguageFilesMenu) {
    Open(true);
    EXPECT_EQ(CameraConnected(), 1);
    EXPECT_TRUE(dlg_->Tray().Shown());
    EXPECT_STREQ(dlg_->Tray().TipText(), "Halvertone - camera connected");
    EXPECT_FALSE(IsWindowVisible(dlg_->Handle()));
    char caption[100] = {};
    GetWindowTextA(dlg_->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Halvertone");

    HMENU menu = dlg_->TrayMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(MenuText(menu, 32788), "Calibration");
    EXPECT_EQ(MenuText(menu, 32805), "Projection Distance...");
    EXPECT_EQ(MenuText(menu, 32806), "Mouse Mode...");
    EXPECT_EQ(MenuText(menu, 32798), "About Halvertone...");
    EXPECT_EQ(MenuText(menu, 32773), "Exit");
    EXPECT_EQ(MenuText(GetSystemMenu(dlg_->Handle(), FALSE), 16), "About Halvertone...");

    EXPECT_TRUE(dlg_->Tray().ShowIcon(-1)) << "the shell refused to delete the icon";
    EXPECT_FALSE(dlg_->Tray().Shown());
}

TEST_F(MainWindowTest, NoCameraIdsAskForTheCameraAndShowTheDisconnectedIcon) {
    std::atomic<bool> stop{false};
    std::string text;
    std::thread answer([&] {
        while (!stop) {
            HWND box = FindWindowA("#32770", "Error!");
            if (box) {
                char buffer[300] = {};
                GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                text = buffer;
                PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                return;
            }
            Sleep(20);
        }
    });
    Open(false);
    stop = true;
    answer.join();
    EXPECT_EQ(text, "No camera was found. Please connect the camera and start Halvertone again.");
    EXPECT_EQ(CameraConnected(), 0);
    EXPECT_TRUE(dlg_->Tray().Shown());
    EXPECT_STREQ(dlg_->Tray().TipText(), "Halvertone - camera not connected");
}

}  // namespace
}  // namespace halvertone
