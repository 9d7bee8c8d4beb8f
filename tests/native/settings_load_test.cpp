// The settings load: INI and registry sources, defaults, storage widths, the camera id
// lists and the "Pen Button Mode" flags.
#include "shell/settings_load.h"

#include <gtest/gtest.h>

#include "base/screen_metrics.h"
#include "base/setting_keys.h"
#include "platform/ini_text_store.h"
#include "shell/camera_ids.h"
#include "doubles/memory_settings_registry.h"

namespace halvertone {
namespace {

using sim::MemorySettingsRegistry;

Settings LoadIni(const std::string& text, Settings s = {}) {
    IniTextStore ini(text);
    LoadSettings(s, SettingsSource{true, &ini, nullptr});
    return s;
}

void ExpectDefaults(const Settings& s) {
    for (const IntSettingKey& key : IntSettingKeys())
        EXPECT_EQ(key.held(s), key.defaultValue) << key.name;
    EXPECT_EQ(s.cameraIdCount, 0);
    EXPECT_EQ(s.pid[0], "");
    EXPECT_EQ(s.vid[0], "");
}

TEST(SettingsLoad, TheRecordStartsWithTheDefaults) {
    EXPECT_EQ(IntSettingKeys().size(), 20u + 18u + 32u + 1u + 1u + 26u);
    ExpectDefaults(Settings{});
}

TEST(SettingsLoad, WithoutFileOrRegistryEveryValueIsItsDefault) {
    Settings s;
    s.threshold = 7;
    s.penWidth = 40;
    MemorySettingsRegistry reg;  // neither hive has the key
    IniTextStore noFile(std::nullopt);
    LoadSettings(s, SettingsSource{false, &noFile, &reg});
    ExpectDefaults(s);
    EXPECT_EQ(reg.calls, (std::vector<std::string>{"open", "copy"}));
}

TEST(SettingsLoad, EveryKeyIsReadFromTheIniFile) {
    std::string text = "[SETTING]\r\n";
    int v = 1;
    for (const IntSettingKey& key : IntSettingKeys())
        text += key.name + "=" + std::to_string(v++) + "\r\n";
    const Settings s = LoadIni(text);
    v = 1;
    for (const IntSettingKey& key : IntSettingKeys()) EXPECT_EQ(key.held(s), v++) << key.name;
    EXPECT_EQ(s.grid.mainPoints[8].y, 38);   // "Calibration 9-y", the 38th key
    EXPECT_EQ(s.grid.gridPoints[15].y, 70);  // "Calibration_2 16-y"
}

TEST(SettingsLoad, IniValuesAsTheRecordHoldsThem) {
    const Settings s = LoadIni(
        "[SETTING]\nThreshold=406\nCheckEnv Threshold=-1\nPen Color=0xFF\nPen Width=abc\nSIDE=\n"
        "Mouse Sensitivity=99999999999\nDraw Sensitivity=12\nDraw Sensitivity=13\nFlip = 1 \n"
        "Calibration 3-x=-20\nCalibration Size=-5\nCalibration Shift X=-2147483648\n"
        "Calibration Shift Y=99999999999\n");
    EXPECT_EQ(s.threshold, 150);          // low byte of 406
    EXPECT_EQ(s.checkEnvThreshold, 255);  // low byte of -1
    EXPECT_EQ(s.penColor, 0xFFu);
    EXPECT_EQ(s.penWidth, 0);                   // not a number: 0, not the default
    EXPECT_EQ(s.side, 1);                       // empty: the default
    EXPECT_EQ(s.mouseSensitivity, 1215752191);  // wraps in 32 bits
    EXPECT_EQ(s.drawSensitivity, 12);           // the first of two wins
    EXPECT_EQ(s.flip, 1);
    EXPECT_EQ(s.grid.mainPoints[2].x, -20);
    // The targets' size and margins are held within any screen's reach.
    EXPECT_EQ(s.calibrationSize, 0);
    EXPECT_EQ(s.calibrationShiftX, -kScreenExtentLimit);
    EXPECT_EQ(s.calibrationShiftY, kScreenExtentLimit);
}

TEST(SettingsLoad, ReloadReplacesEveryValue) {
    Settings s = LoadIni("[SETTING]\nThreshold=210\nPID=0001\nVID=1234\nCalibration_2 1-x=5\n");
    ASSERT_EQ(s.cameraIdCount, 1);
    s = LoadIni("[SETTING]\n", s);
    ExpectDefaults(s);
}

TEST(CameraIds, ListsAndCount) {
    Settings s = LoadIni("[SETTING]\nPID=0001,0002\nVID=1234\n");
    EXPECT_EQ(s.cameraIdCount, 1);
    EXPECT_EQ(s.pid[0], "0001");
    EXPECT_EQ(s.pid[1], "0002");
    EXPECT_EQ(s.vid[0], "1234");
    EXPECT_EQ(s.vid[1], "");

    SetCameraIds(s, ",,0a,,0b,", "v1,,v2,v3");
    EXPECT_EQ(s.cameraIdCount, 2);  // empty tokens do not count
    EXPECT_EQ(s.pid[1], "0b");
    EXPECT_EQ(s.vid[2], "v3");

    SetCameraIds(s, "0123456789ABC,x", " 1 ,2");
    EXPECT_EQ(s.pid[0], "012345678");  // cut to 9 characters
    EXPECT_EQ(s.vid[0], " 1 ");        // blanks are part of the id
    EXPECT_EQ(s.cameraIdCount, 2);

    SetCameraIds(s, "", "1234");
    EXPECT_EQ(s.cameraIdCount, 0);
    EXPECT_EQ(s.pid[0], "");
}

TEST(CameraIds, MoreThanTenTokens) {
    std::array<std::string, kCameraIdSlots> list;
    EXPECT_EQ(SplitCameraIds("1,2,3,4,5,6,7,8,9,10,11,12", list), 12);
    EXPECT_EQ(list[9], "10");
    Settings s;
    SetCameraIds(s, "1,2,3,4,5,6,7,8,9,10,11,12", "1,2,3,4,5,6,7,8,9,10,11");
    EXPECT_EQ(s.cameraIdCount, kCameraIdSlots);  // never more than the lists hold
}

TEST(CameraIds, IniTextIsCutAt199Characters) {
    const std::string longList = std::string(195, 'a') + ",bbbbbbb";
    const Settings s = LoadIni("[SETTING]\nPID=" + longList + "\nVID=1,2\n");
    EXPECT_EQ(s.pid[1], "bbb");  // 196 + 3 = 199 characters reach the split
    EXPECT_EQ(s.cameraIdCount, 2);
}

TEST(PenButtonMode, DecodesIntoTheTwoFlags) {
    struct Case {
        int mode;
        bool capture, board;
    };
    for (const Case c : {Case{0, false, false}, Case{1, false, true}, Case{2, true, false}}) {
        Settings before;
        before.captureToolFlag = !c.capture;
        before.boardFollowsToolFlag = !c.board;
        const Settings s =
            LoadIni("[SETTING]\nPen Button Mode=" + std::to_string(c.mode) + "\n", before);
        EXPECT_EQ(s.captureToolFlag, c.capture) << c.mode;
        EXPECT_EQ(s.boardFollowsToolFlag, c.board) << c.mode;
    }
}

TEST(PenButtonMode, OtherValuesKeepTheFlags) {
    for (const char* mode : {"3", "-1", "x"}) {
        for (const bool set : {false, true}) {
            Settings before;
            before.captureToolFlag = set;
            before.boardFollowsToolFlag = !set;
            const Settings s =
                LoadIni(std::string("[SETTING]\nPen Button Mode=") + mode + "\n", before);
            if (std::string(mode) == "x") {  // not a number reads as 0: both clear
                EXPECT_FALSE(s.captureToolFlag);
                EXPECT_FALSE(s.boardFollowsToolFlag);
            } else {
                EXPECT_EQ(s.captureToolFlag, set) << mode;
                EXPECT_EQ(s.boardFollowsToolFlag, !set) << mode;
            }
        }
    }
}

class RegistrySource : public ::testing::Test {
  protected:
    Settings Load(Settings s = {}) {
        LoadSettings(s, SettingsSource{false, &noFile_, &reg_});
        return s;
    }
    MemorySettingsRegistry reg_;
    IniTextStore noFile_{std::nullopt};
};

TEST_F(RegistrySource, UserKeyValuesWithLowByteThresholds) {
    reg_.userKey = MemorySettingsRegistry::Key{{"Threshold", 406u},
                                               {"Pen Color", 0x00FF00u},
                                               {"PID", std::string("0001,0002")},
                                               {"VID", std::string("1234")},
                                               {"Calibration 9-y", 0xFFFFFFFFu},
                                               {"Pen Width", std::string("5")}};
    const Settings s = Load();
    EXPECT_EQ(s.threshold, 150);
    EXPECT_EQ(s.penColor, 0x00FF00u);
    EXPECT_EQ(s.grid.mainPoints[8].y, -1);
    EXPECT_EQ(s.penWidth, 3);  // a string where a number belongs counts as absent
    EXPECT_EQ(s.cameraIdCount, 1);
    EXPECT_EQ(s.pid[1], "0002");
    EXPECT_EQ(reg_.calls.front(), "open");
    EXPECT_EQ(reg_.calls.back(), "close");
}

TEST_F(RegistrySource, FlipAndTheSecondCalibrationAreNotInTheRegistry) {
    reg_.userKey = MemorySettingsRegistry::Key{{"Flip", 1u}, {"Calibration_2 1-x", 9u}};
    Settings before;
    before.flip = 0;
    before.grid.gridPoints[0].x = 33;
    const Settings s = Load(before);
    EXPECT_EQ(s.flip, 0);
    EXPECT_EQ(s.grid.gridPoints[0].x, 33);
    for (const std::string& call : reg_.calls) {
        EXPECT_NE(call, "dword Flip");
        EXPECT_EQ(call.find("Calibration_2"), std::string::npos) << call;
    }
}

TEST_F(RegistrySource, MissingUserKeyIsCopiedFromTheMachine) {
    reg_.machineKey = MemorySettingsRegistry::Key{{"Operation Mode", 1u}};
    const Settings s = Load();
    EXPECT_EQ(s.operationMode, 1);
    EXPECT_EQ(reg_.calls[0], "open");
    EXPECT_EQ(reg_.calls[1], "copy");
    EXPECT_EQ(reg_.calls[2], "open");
    EXPECT_TRUE(reg_.userKey.has_value());
}

TEST_F(RegistrySource, FailedCopyGivesDefaults) {
    reg_.machineKey = MemorySettingsRegistry::Key{{"Operation Mode", 1u}};
    reg_.copyAvailable = false;
    Settings before;
    before.operationMode = 1;
    const Settings s = Load(before);
    EXPECT_EQ(s.operationMode, 0);
    EXPECT_EQ(reg_.calls, (std::vector<std::string>{"open", "copy"}));  // no second open, no reads
}

TEST_F(RegistrySource, WithTheIniFileTheKeyIsOpenedButNotRead) {
    reg_.userKey = MemorySettingsRegistry::Key{{"Threshold", 210u}};
    IniTextStore ini(std::string("[SETTING]\nThreshold=230\n"));
    Settings s;
    LoadSettings(s, SettingsSource{true, &ini, &reg_});
    EXPECT_EQ(s.threshold, 230);
    EXPECT_EQ(reg_.calls, (std::vector<std::string>{"open", "close"}));
}

TEST_F(RegistrySource, OverlongIdTextIsCut) {
    reg_.userKey = MemorySettingsRegistry::Key{{"PID", std::string(250, '7') + ",1"},
                                               {"VID", std::string("1,2")}};
    const Settings s = Load();
    EXPECT_EQ(s.cameraIdCount, 1);  // the ",1" lies beyond the 199 characters read
    EXPECT_EQ(s.pid[0], "777777777");
}

}  // namespace
}  // namespace halvertone
