// The projection-method dialog as the real modeless window: placement and texts at creation,
// OK with a ceiling mounting, Cancel, and the orientation repair that the calibration worker
// starts from its own thread: the choices hidden, and a new run from the dialog's timer.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "calibration/calibration_procedure.h"
#include "calibration/win32/projection_method_window.h"
#include "message_pump.h"
#include "doubles/target_recorder.h"
#include "doubles/virtual_clock.h"
#include "platform/win32/private_profile_store.h"
#include "resource_module.h"
#include "support/calibration_fakes.h"
#include "test_language.h"

namespace halvertone {
namespace {

std::string Text(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool ItemVisible(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != 0;
}

// The dialog over a calibration procedure whose other ports record what they are asked.
class ProjectionMethodWindowTest : public ::testing::Test {
  protected:
    void Open(const std::string& settingsText) {
        dir_.Write("Setting.ini", settingsText);
        profile_ = std::make_unique<PrivateProfileStore>(dir_.File("Setting.ini"));
        settings_.flip = profile_->GetInt("SETTING", "Flip", 0);
        screen_.Set(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        CalibrationHooks hooks;
        hooks.turnCameraImage = [this](uint8_t value) {
            std::lock_guard lock(mutex_);
            turns_.push_back(value);
        };
        hooks.text = WithTextBuffer(
            testing::LanguageLookup(dir_.Write("Test.lng", testing::TestLanguageText())), 300);
        procedure_ = std::make_unique<CalibrationProcedure>(
            CalibrationEnvironment{settings_, screen_, *profile_, clock_, ring_, painter_, beeper_,
                                   repainter_, window_, dispatch_, hooks});
        ASSERT_TRUE(window_.Create(testing::ResourceModule(), procedure_->MethodDialog()));
        dialog_ = window_.Handle();
    }

    std::vector<uint8_t> Turns() {
        std::lock_guard lock(mutex_);
        return turns_;
    }
    bool Visible() const { return IsWindowVisible(dialog_) != 0; }
    bool ChoicesShown() const {
        for (int id : {1114, 1115, IDOK, IDCANCEL})
            if (!ItemVisible(dialog_, id)) return false;
        return true;
    }
    bool ChoicesHidden() const {
        for (int id : {1114, 1115, IDOK, IDCANCEL})
            if (ItemVisible(dialog_, id)) return false;
        return true;
    }

    testing::ScratchDirectory dir_;
    Settings settings_;
    ScreenMetrics screen_;
    std::unique_ptr<PrivateProfileStore> profile_;
    sim::VirtualClock clock_;
    FrameRing ring_;
    sim::TargetRecorder painter_;
    test::CountingBeeper beeper_;
    test::RecordingRepainter repainter_;
    test::FakeToolDispatch dispatch_;
    std::mutex mutex_;
    std::vector<uint8_t> turns_;
    std::unique_ptr<CalibrationProcedure> procedure_;
    ProjectionMethodWindow window_;  // destroyed before the procedure whose logic it calls
    HWND dialog_ = nullptr;
};

TEST_F(ProjectionMethodWindowTest, OpensHiddenCentredWithTextsAndTheCeilingCheckedCancelHides) {
    Open("[SETTING]\r\nFlip=01\r\n");
    EXPECT_FALSE(Visible()) << "created hidden, without a parent";
    EXPECT_EQ(GetParent(dialog_), nullptr);
    RECT window{}, client{};
    GetWindowRect(dialog_, &window);
    GetClientRect(dialog_, &client);
    EXPECT_EQ(window.left, screen_.width / 2 - client.right / 2);
    EXPECT_EQ(window.top, screen_.height / 2 - client.bottom);

    char caption[256] = {};
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Mounting of the projector");
    EXPECT_EQ(Text(dialog_, 1114), "On the desk");
    EXPECT_EQ(Text(dialog_, 1115), "Under the ceiling");
    EXPECT_EQ(Text(dialog_, IDOK), "Start");
    EXPECT_EQ(Text(dialog_, IDCANCEL), "Not now");
    EXPECT_TRUE(Checked(dialog_, 1115));
    EXPECT_FALSE(Checked(dialog_, 1114));

    procedure_->Command();
    EXPECT_TRUE(ChoicesShown());
    SendMessageA(GetDlgItem(dialog_, 1114), BM_CLICK, 0, 0);
    EXPECT_EQ(settings_.flip, 0) << "the desktop radio button changes the value in memory";
    SendMessageA(GetDlgItem(dialog_, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(dir_.Read("Setting.ini"), "[SETTING]\r\nFlip=01\r\n") << "nothing written";
    EXPECT_EQ(dispatch_.workersStarted, 0);
}

TEST_F(ProjectionMethodWindowTest, OkWithTheCeilingWritesFlipTurnsTheCameraAndStartsARun) {
    Open("[SETTING]\r\nFlip=01\r\n");
    procedure_->Command();
    EXPECT_TRUE(Visible());
    EXPECT_EQ(Text(dialog_, 1118), "Hold the pen on each target");
    EXPECT_TRUE(ChoicesShown());

    SendMessageA(GetDlgItem(dialog_, IDOK), BM_CLICK, 0, 0);
    EXPECT_NE(dir_.Read("Setting.ini").find("Flip=1"), std::string::npos)
        << dir_.Read("Setting.ini");
    EXPECT_EQ(Turns(), (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(clock_.NowMs(), 600u) << "the camera settles before the run";
    EXPECT_TRUE(dispatch_.calibration);
    EXPECT_EQ(dispatch_.workersStarted, 1);
    EXPECT_FALSE(Visible());
}

TEST_F(ProjectionMethodWindowTest, AnUpsideDownCameraIsTurnedFromTheWorkerThreadAndRestarted) {
    Open("[SETTING]\r\nFlip=0\r\n");
    procedure_->State().orientationError = true;
    std::atomic<bool> returned{false};
    // The first-target check runs the command on the calibration worker; the dialog's thread
    // keeps pumping meanwhile.
    std::thread worker([&] {
        procedure_->Command();
        returned = true;
    });
    const bool commandReturned = testing::PumpUntil([&] { return returned.load(); }, 6000);
    worker.join();
    ASSERT_TRUE(commandReturned);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(Text(dialog_, 1118), "Camera upside down, turning it");
    EXPECT_TRUE(ChoicesHidden());
    EXPECT_TRUE(Checked(dialog_, 1115));
    EXPECT_EQ(Turns(), (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(profile_->GetInt("SETTING", "Flip", -1), 1);

    ASSERT_TRUE(testing::PumpUntil([&] { return dispatch_.workersStarted == 1; }, 6000))
        << "the restart timer set from the worker did not fire";
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(dispatch_.calibration);
}

}  // namespace
}  // namespace halvertone
