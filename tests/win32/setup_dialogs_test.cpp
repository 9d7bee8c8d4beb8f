// The check-environment, projection-distance and mouse-mode dialogs as real modal windows from
// the program's resources, driven from the test thread: their language texts, what Enter and
// Escape do, what each click writes to a real settings file, and how they end.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "calibration/win32/check_environment_window.h"
#include "calibration/win32/preset_choice_window.h"
#include "modal_script.h"
#include "resource_module.h"
#include "scratch_directory.h"
#include "test_language.h"

namespace halvertone {
namespace {

using testing::ModalScript;

std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void PressKey(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class SetUpDialogs : public ::testing::Test {
  protected:
    SetUpDialogs() {
        language_ = dir_.Write("Test.lng", testing::TestLanguageText());
        texts_ = testing::LanguageLookup(language_);
    }

    int SettingsInt(const char* key, int fallback = -1) const {
        return static_cast<int>(
            GetPrivateProfileIntA("SETTING", key, fallback, dir_.File("Setting.ini").c_str()));
    }

    testing::ScratchDirectory dir_;
    std::string language_;
    TextLookup texts_;
    SharedValue<int32_t> modalUiActive_{0};
};

// What one opening of the check-environment dialog showed and how it ended.
struct CheckRun {
    int result = -100;
    std::string label;
    RECT rect{};
    bool openAfterKeys = false;
    int32_t modalWhileOpen = -1;
    bool visibleAtEnd = true;
    int resets = 0;
    DWORD decisionMs = 0;  // from the opening to the reading of the counter
    bool timedOut = false;
};

CheckRun RunCheck(std::atomic<bool>& firstTick, uint32_t brightFrames, const TextLookup& texts,
                  SharedValue<int32_t>* modalUiActive) {
    CheckRun run;
    CheckEnvironmentWindow* window = nullptr;
    DWORD opened = 0;
    CheckEnvironmentCounters counters{[&] {
                                          ++run.resets;
                                          opened = GetTickCount();
                                      },
                                      [&] {
                                          run.decisionMs = GetTickCount() - opened;
                                          run.visibleAtEnd = IsWindowVisible(window->Handle());
                                          return brightFrames;
                                      }};
    CheckEnvironmentWindow check(texts, counters, firstTick);
    window = &check;
    ModalScript script(check, {[&](HWND d) {
                                   run.label = ItemText(d, 1089);
                                   GetWindowRect(d, &run.rect);
                                   run.modalWhileOpen = modalUiActive->load();
                                   PressKey(d, VK_RETURN);
                                   PressKey(d, VK_ESCAPE);
                                   SendMessageA(d, WM_CLOSE, 0, 0);
                               },
                               [&](HWND d) { run.openAfterKeys = IsWindow(d) != 0; }});
    run.result = check.Run(testing::ResourceModule(), nullptr, modalUiActive);
    run.timedOut = script.TimedOut();
    return run;
}

TEST_F(SetUpDialogs, CheckEnvironmentShrinksIgnoresEnterAndEscapeAndPassesADarkRoom) {
    std::atomic<bool> firstTick{false};
    const CheckRun run = RunCheck(firstTick, 0, texts_, &modalUiActive_);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.label, std::string(299, 'w')) << "read through a 300-character buffer";
    // Shrunk to 1 x 1; Wine keeps the dialog frame around an empty inside.
    EXPECT_LE(run.rect.right - run.rect.left, 1 + 2 * GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_LE(run.rect.bottom - run.rect.top, 1 + 2 * GetSystemMetrics(SM_CYDLGFRAME));
    EXPECT_TRUE(run.openAfterKeys) << "Enter, Escape and closing do not end the check";
    EXPECT_FALSE(run.visibleAtEnd) << "hidden during the counting second";
    EXPECT_GE(run.decisionMs, 1000u) << "the counting second";
    EXPECT_EQ(run.resets, 1);
    EXPECT_EQ(run.modalWhileOpen, 1);
    EXPECT_EQ(modalUiActive_.load(), 0);
    EXPECT_TRUE(firstTick);
}

TEST_F(SetUpDialogs, CheckEnvironmentFailsWithALampAndASecondOpeningEndsAtOnce) {
    std::atomic<bool> firstTick{false};
    const CheckRun lamp = RunCheck(firstTick, 4, texts_, &modalUiActive_);
    ASSERT_FALSE(lamp.timedOut);
    EXPECT_EQ(lamp.result, 0) << "frames with a bright pixel were counted";

    const CheckRun second = RunCheck(firstTick, 0, texts_, &modalUiActive_);
    ASSERT_FALSE(second.timedOut);
    EXPECT_EQ(second.result, 1);
    EXPECT_LT(second.decisionMs, 900u) << "no counting second at the second opening";
    EXPECT_EQ(modalUiActive_.load(), 0);
}

TEST_F(SetUpDialogs, ADistanceClickedIsWrittenAtOnceAndEscapeKeepsIt) {
    dir_.Write("Setting.ini", "[SETTING]\r\nThreshold=230\r\n");
    PrivateProfileStore settings(dir_.File("Setting.ini"));
    int applied = 0;
    std::string group, ok, high, middle, low;
    bool lowCheckedAtOpen = false;
    int thresholdAfterClick = 0;
    int32_t modalWhileOpen = -1;
    PresetChoiceWindow distance(ProjectionDistanceConfig(), settings, texts_, [&] { ++applied; });
    ModalScript script(distance, {[&](HWND d) {
                                      group = ItemText(d, 1092);
                                      ok = ItemText(d, IDOK);
                                      high = ItemText(d, 1093);
                                      middle = ItemText(d, 1094);
                                      low = ItemText(d, 1095);
                                      lowCheckedAtOpen = IsDlgButtonChecked(d, 1095) == BST_CHECKED;
                                      modalWhileOpen = modalUiActive_.load();
                                      Click(d, 1094);
                                  },
                                  [&](HWND d) {
                                      thresholdAfterClick = SettingsInt("Threshold");
                                      PressKey(GetDlgItem(d, IDOK), VK_ESCAPE);
                                  }});
    const int result =
        distance.Run(testing::ResourceModule(), IDD_PROJECTION_DISTANCE, nullptr, &modalUiActive_);
    ASSERT_FALSE(script.TimedOut());
    EXPECT_EQ(distance.Handle(), nullptr) << "destroyed when closed";
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(group, "How far is the projector?");
    EXPECT_EQ(ok, "Accept");
    EXPECT_EQ(high, "Far");
    EXPECT_EQ(middle, "Medium");
    EXPECT_EQ(low, "Near");
    EXPECT_TRUE(lowCheckedAtOpen);
    EXPECT_EQ(thresholdAfterClick, 210) << "written when clicked";
    EXPECT_EQ(SettingsInt("Threshold"), 210) << "Escape does not undo the choice";
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(modalWhileOpen, 1);
    EXPECT_EQ(modalUiActive_.load(), 0);
}

TEST_F(SetUpDialogs, DistanceOkRewritesAPresetAndAppliesAfterClosing) {
    dir_.Write("Setting.ini", "[SETTING]\r\nThreshold=0150\r\n");
    PrivateProfileStore settings(dir_.File("Setting.ini"));
    bool highChecked = false;
    bool hiddenAtApply = false;
    int32_t modalAtApply = -1;
    int applied = 0;
    HWND dialog = nullptr;
    const PresetDialogContext context{testing::ResourceModule(),
                                      nullptr,
                                      settings,
                                      texts_,
                                      [&] {
                                          ++applied;
                                          hiddenAtApply = !IsWindowVisible(dialog);
                                          modalAtApply = modalUiActive_.load();
                                          modalUiActive_ = 1;  // the apply step leaves it set
                                      },
                                      &modalUiActive_};
    ModalScript script([] { return testing::ThreadDialogWith(1093); }, {[&](HWND d) {
                           dialog = d;
                           highChecked = IsDlgButtonChecked(d, 1093) == BST_CHECKED;
                           Click(d, IDOK);
                       }});
    EXPECT_EQ(RunProjectionDistanceDialog(context), IDOK);
    ASSERT_FALSE(script.TimedOut());
    EXPECT_TRUE(highChecked) << "0150 reads as 150";
    EXPECT_EQ(applied, 1);
    EXPECT_TRUE(hiddenAtApply) << "the dialog is closed before the settings are applied";
    EXPECT_EQ(modalAtApply, 0);
    EXPECT_EQ(modalUiActive_.load(), 1) << "what the apply step set stays";
    EXPECT_NE(dir_.Read("Setting.ini").find("Threshold=150"), std::string::npos)
        << dir_.Read("Setting.ini");
}

TEST_F(SetUpDialogs, MouseModeShowsItsTextsWritesTheChoiceAndApplies) {
    dir_.Write("Setting.ini", "[SETTING]\r\nOperation Mode=1\r\n");
    PrivateProfileStore settings(dir_.File("Setting.ini"));
    int applied = 0;
    std::string ok, notice;
    bool yesChecked = false;
    int modeAfterClick = -1;
    const PresetDialogContext context{testing::ResourceModule(), nullptr,        settings, texts_,
                                      [&] { ++applied; },        &modalUiActive_};
    ModalScript script([] { return testing::ThreadDialogWith(1099); },
                       {[&](HWND d) {
                            ok = ItemText(d, IDOK);
                            notice = ItemText(d, 1099);
                            yesChecked = IsDlgButtonChecked(d, 1097) == BST_CHECKED;
                            Click(d, 1098);
                        },
                        [&](HWND d) {
                            modeAfterClick = SettingsInt("Operation Mode");
                            Click(d, IDOK);
                        }});
    EXPECT_EQ(RunMouseModeDialog(context), IDOK);
    ASSERT_FALSE(script.TimedOut());
    EXPECT_EQ(ok, "Accept");
    EXPECT_EQ(notice, "The camera restarts after this");
    EXPECT_TRUE(yesChecked);
    EXPECT_EQ(modeAfterClick, 0) << "written when clicked";
    EXPECT_EQ(SettingsInt("Operation Mode"), 0);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(modalUiActive_.load(), 0);
}

}  // namespace
}  // namespace halvertone
