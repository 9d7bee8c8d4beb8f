// The set-up dialogs' logic: projection method, check environment, projection distance and
// mouse mode.
#include <gtest/gtest.h>

#include <algorithm>

#include "calibration/check_environment_dialog.h"
#include "calibration/preset_choice_dialog.h"
#include "calibration/text_lookup.h"
#include "support/calibration_rig.h"

namespace halvertone {
namespace {

using test::CalibrationRig;
using test::KeyText;
using test::MemoryProfileStore;
using test::RecordingDialogView;

std::vector<std::string> Tail(const RecordingDialogView& view, size_t n) {
    const auto log = view.Log();
    return {log.end() - static_cast<long>(std::min(n, log.size())), log.end()};
}

TEST(ProjectionMethodDialog, OpensCentredWithTheStoredMountingChecked) {
    CalibrationRig rig;
    rig.profile.WriteString("SETTING", "Flip", "1");
    rig.procedure.MethodDialog().OnInit();
    // Client 300 x 140 on 1024 x 768: x = 512 - 150, y = 384 - 140.
    EXPECT_EQ(rig.dialog.Log().front(), "move 362 244");
    EXPECT_TRUE(rig.dialog.Checked(1115));
    EXPECT_FALSE(rig.dialog.Checked(1114));
    EXPECT_EQ(rig.dialog.Text(1114), "Calibration Msg/desktop");
    EXPECT_EQ(rig.dialog.Text(2), "Calibration Msg/Cancel Button");

    CalibrationRig fresh;
    fresh.procedure.MethodDialog().OnInit();
    EXPECT_TRUE(fresh.dialog.Checked(1114));
}

TEST(ProjectionMethodDialog, OkStoresTheChoiceTurnsTheImageAndStartsARun) {
    CalibrationRig rig;
    auto& dialog = rig.procedure.MethodDialog();
    rig.dialog.Show(true);
    dialog.OnRadio(1115);
    EXPECT_EQ(rig.settings.flip, 1);
    EXPECT_EQ(rig.profile.Writes(), 0) << "a radio button writes nothing";
    dialog.OnOk();
    EXPECT_EQ(rig.profile.Value("SETTING", "Flip"), "1");
    EXPECT_EQ(rig.turns, (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(rig.clock.NowMs(), 600u);
    EXPECT_TRUE(rig.dispatch.calibration);
    EXPECT_EQ(rig.dispatch.workersStarted, 1);
    EXPECT_FALSE(rig.dialog.Visible());

    // "Flip" holding another non-zero value is stored as 1.
    CalibrationRig other;
    other.settings.flip = 5;
    other.procedure.MethodDialog().OnOk();
    EXPECT_EQ(other.profile.Value("SETTING", "Flip"), "1");
    other.procedure.MethodDialog().OnRadio(1114);
    other.procedure.MethodDialog().OnOk();
    EXPECT_EQ(other.profile.Value("SETTING", "Flip"), "0");
    EXPECT_EQ(other.turns, (std::vector<uint8_t>{0x00, 0x30}));
}

TEST(ProjectionMethodDialog, CancelOnlyHides) {
    CalibrationRig rig;
    rig.dialog.Show(true);
    rig.procedure.MethodDialog().OnRadio(1115);
    rig.procedure.MethodDialog().OnCancel();
    EXPECT_FALSE(rig.dialog.Visible());
    EXPECT_EQ(rig.profile.Writes(), 0);
    EXPECT_TRUE(rig.turns.empty());
    EXPECT_FALSE(rig.dispatch.calibration);
}

struct CheckEnvironmentRig {
    RecordingDialogView view;
    std::atomic<bool> firstTick{false};
    int resets = 0;
    uint32_t bright = 0;
    CheckEnvironmentDialog Make() {
        return CheckEnvironmentDialog(view, KeyText,
                                      {[this] { ++resets; }, [this] { return bright; }}, firstTick);
    }
};

TEST(CheckEnvironmentDialog, HidesForOneSecondThenJudgesTheBrightFrames) {
    for (uint32_t bright : {0u, 1u, 40u}) {
        CheckEnvironmentRig rig;
        CheckEnvironmentDialog dialog = rig.Make();
        dialog.OnInit();
        EXPECT_EQ(rig.view.Log(),
                  (std::vector<std::string>{"text 1089 CheckEnv Dialog/Wait-Message", "resize 1 1",
                                            "timer 1840 1"}));
        EXPECT_EQ(rig.resets, 1);
        dialog.OnTimer(1840);
        EXPECT_EQ(Tail(rig.view, 3),
                  (std::vector<std::string>{"kill 1840", "hide", "timer 1840 1000"}));
        EXPECT_TRUE(rig.firstTick);
        rig.bright = bright;
        dialog.OnTimer(1840);
        EXPECT_EQ(Tail(rig.view, 2),
                  (std::vector<std::string>{"kill 1840", bright == 0 ? "end 1" : "end 0"}));
    }
}

TEST(CheckEnvironmentDialog, OnlyItsOwnTimerEndsIt) {
    CheckEnvironmentRig rig;
    CheckEnvironmentDialog dialog = rig.Make();
    dialog.OnInit();
    dialog.OnOk();
    dialog.OnCancel();
    dialog.OnTimer(1841);
    EXPECT_EQ(rig.view.Log().size(), 3u);
    EXPECT_FALSE(rig.firstTick);
}

TEST(CheckEnvironmentDialog, SecondOpeningEndsAtItsFirstTick) {
    CheckEnvironmentRig rig;
    rig.firstTick = true;  // an earlier dialog of this run
    CheckEnvironmentDialog dialog = rig.Make();
    dialog.OnInit();
    dialog.OnTimer(1840);
    EXPECT_EQ(Tail(rig.view, 2), (std::vector<std::string>{"kill 1840", "end 1"}));
}

struct PresetRig {
    RecordingDialogView view;
    MemoryProfileStore profile;
    int applied = 0;
    PresetChoiceDialog Make(const PresetChoiceConfig& config) {
        return PresetChoiceDialog(config, view, profile, KeyText, [this] { ++applied; });
    }
};

TEST(ProjectionDistanceDialog, ChecksThePresetInTheFile) {
    struct Case {
        const char* stored;
        int checked;
    };
    for (const Case& c : {Case{"150", 1093}, Case{"210", 1094}, Case{"230", 1095}, Case{"406", 0},
                          Case{nullptr, 0}}) {
        PresetRig rig;
        if (c.stored) rig.profile.WriteString("SETTING", "Threshold", c.stored);
        rig.Make(ProjectionDistanceConfig()).OnInit();
        for (int id : {1093, 1094, 1095}) EXPECT_EQ(rig.view.Checked(id), id == c.checked) << id;
        EXPECT_EQ(rig.view.Text(1092), "String Table/Msg_Distance");
        EXPECT_EQ(rig.view.Text(1094), "Projection Distance/Middle");
    }
}

TEST(ProjectionDistanceDialog, PresetIsWrittenAtOnceAndCancelKeepsIt) {
    PresetRig rig;
    rig.profile.WriteString("SETTING", "Threshold", "150");
    PresetChoiceDialog dialog = rig.Make(ProjectionDistanceConfig());
    dialog.OnInit();
    dialog.OnRadio(1094);
    EXPECT_EQ(rig.profile.Value("SETTING", "Threshold"), "210");
    dialog.OnCancel();
    EXPECT_EQ(rig.profile.Value("SETTING", "Threshold"), "210");
    EXPECT_EQ(rig.view.Log().back(), "end 2");
    EXPECT_EQ(rig.applied, 0);
}

TEST(ProjectionDistanceDialog, OkRewritesOnlyAPresetAndApplies) {
    PresetRig rig;
    rig.profile.WriteString("SETTING", "Threshold", "230");
    PresetChoiceDialog dialog = rig.Make(ProjectionDistanceConfig());
    const int writes = rig.profile.Writes();
    dialog.OnOk();
    EXPECT_EQ(rig.profile.Writes(), writes + 1);
    EXPECT_EQ(rig.profile.Value("SETTING", "Threshold"), "230");
    EXPECT_EQ(rig.view.Log().back(), "end 1");
    EXPECT_EQ(rig.applied, 1);

    rig.profile.WriteString("SETTING", "Threshold", "177");
    dialog.OnOk();
    EXPECT_EQ(rig.profile.Writes(), writes + 2) << "no preset: nothing written";
    EXPECT_EQ(rig.applied, 2);
}

TEST(MouseModeDialog, YesAndNoWriteOperationMode) {
    PresetRig rig;
    PresetChoiceDialog dialog = rig.Make(MouseModeConfig());
    dialog.OnInit();
    EXPECT_TRUE(rig.view.Checked(1098)) << "missing key reads as 0";
    EXPECT_EQ(rig.view.Text(1099), "String Table/Msg_Notice");
    dialog.OnRadio(1097);
    EXPECT_EQ(rig.profile.Value("SETTING", "Operation Mode"), "1");
    dialog.OnRadio(1093);  // not one of its buttons
    EXPECT_EQ(rig.profile.Value("SETTING", "Operation Mode"), "1");
    dialog.OnOk();
    EXPECT_EQ(rig.applied, 1);
    PresetRig again;
    again.profile.WriteString("SETTING", "Operation Mode", "1");
    again.Make(MouseModeConfig()).OnInit();
    EXPECT_TRUE(again.view.Checked(1097));
    EXPECT_FALSE(again.view.Checked(1098));
}

TEST(DialogTexts, ATextLongerThanItsBufferIsCut) {
    const TextLookup long400 = [](const std::string&, const std::string&) {
        return std::string(400, 'x');
    };
    EXPECT_EQ(WithTextBuffer(long400, 300)("S", "K"), std::string(299, 'x'));
    EXPECT_EQ(WithTextBuffer(long400, 401)("S", "K"), std::string(400, 'x'));
    EXPECT_EQ(WithTextBuffer(long400, 400)("S", "K"), std::string(399, 'x'));
    EXPECT_EQ(WithTextBuffer(long400, 0)("S", "K"), "");
    EXPECT_EQ(WithTextBuffer(nullptr, 300)("S", "K"), "") << "no language: empty texts";
    EXPECT_EQ(WithTextBuffer(KeyText, 256)("String Table", "OK Button"), "String Table/OK Button");
}

}  // namespace
}  // namespace halvertone
