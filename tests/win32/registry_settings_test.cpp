// The settings read from the registry when "Setting.ini" is not there, including the copy
// of the machine-wide key by the common-function library.
#include "shell/win32/registry_settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "kit_test_support.h"
#include "doubles/recording_message_box.h"
#include "platform/win32/private_profile_store.h"
#include "registry_sandbox.h"
#include "shell/settings_load.h"

namespace halvertone {
namespace {

using testing::RegistrySandbox;
constexpr const char* kKey = "Software\\Tarnwick";

class RegistrySettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sandbox_.Valid());
        ASSERT_TRUE(testing::LoadRealSharedKit(kits_, messages_));
    }
    void TearDown() override { ReleaseKits(kits_); }

    Settings Load(Settings s = {}) {
        RegistrySettings registry([this] { return CopyMachineKeyToUser(kits_, kKey); });
        PrivateProfileStore noFile("C:\\does-not-exist\\Setting.ini");
        LoadSettings(s, SettingsSource{false, &noFile, &registry});
        return s;
    }

    RegistrySandbox sandbox_;
    KitModules kits_;
    sim::RecordingMessageBox messages_;
};

TEST_F(RegistrySettingsTest, MachineKeyIsCopiedToTheUserAndRead) {
    RegistrySandbox::SetDword(HKEY_LOCAL_MACHINE, kKey, "Threshold", 466);
    RegistrySandbox::SetDword(HKEY_LOCAL_MACHINE, kKey, "Operation Mode", 1);
    RegistrySandbox::SetDword(HKEY_LOCAL_MACHINE, kKey, "Flip", 1);
    RegistrySandbox::SetString(HKEY_LOCAL_MACHINE, kKey, "PID", "0001,0002");
    RegistrySandbox::SetString(HKEY_LOCAL_MACHINE, kKey, "VID", "1234");
    RegistrySandbox::SetDword(HKEY_LOCAL_MACHINE, "Software\\Tarnwick\\Sub", "Deep", 5);
    ASSERT_FALSE(RegistrySandbox::KeyExists(HKEY_CURRENT_USER, kKey));

    const Settings s = Load();
    EXPECT_EQ(s.threshold, 210);  // low byte of 466
    EXPECT_EQ(s.operationMode, 1);
    EXPECT_EQ(s.flip, 0);  // not a registry setting
    EXPECT_EQ(s.cameraIdCount, 1);
    EXPECT_EQ(s.pid[0], "0001");
    EXPECT_EQ(s.vid[0], "1234");
    EXPECT_TRUE(RegistrySandbox::KeyExists(HKEY_CURRENT_USER, "Software\\Tarnwick\\Sub"));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RegistrySettingsTest, NoKeyAnywhereGivesDefaultsAndCreatesNothing) {
    Settings before;
    before.threshold = 99;
    const Settings s = Load(before);
    EXPECT_EQ(s.threshold, 150);
    EXPECT_EQ(s.penColor, 0xFF0000u);
    EXPECT_EQ(s.cameraIdCount, 0);
    EXPECT_FALSE(RegistrySandbox::KeyExists(HKEY_CURRENT_USER, kKey));
}

TEST_F(RegistrySettingsTest, UserKeyWinsOverTheMachineKey) {
    RegistrySandbox::SetDword(HKEY_LOCAL_MACHINE, kKey, "Pen Width", 9);
    RegistrySandbox::SetDword(HKEY_CURRENT_USER, kKey, "Pen Width", 4);
    EXPECT_EQ(Load().penWidth, 4);
}

TEST_F(RegistrySettingsTest, ValuesOfTheWrongKindAndOverlongTexts) {
    RegistrySandbox::SetString(HKEY_CURRENT_USER, kKey, "Pen Width", "7");
    const DWORD64 wide = 5;
    RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "SIDE", REG_QWORD, &wide, sizeof wide);
    RegistrySandbox::SetDword(HKEY_CURRENT_USER, kKey, "PID", 1);
    RegistrySandbox::SetString(HKEY_CURRENT_USER, kKey, "VID", std::string(300, '8') + ",9");
    const Settings s = Load();
    EXPECT_EQ(s.penWidth, 3);
    EXPECT_EQ(s.side, 1);
    EXPECT_EQ(s.pid[0], "");
    EXPECT_EQ(s.vid[0], "888888888");
    EXPECT_EQ(s.cameraIdCount, 0);
}

TEST_F(RegistrySettingsTest, CopyReportsAMissingSource) {
    EXPECT_EQ(CopyMachineKeyToUser(kits_, kKey), 0);
    EXPECT_FALSE(RegistrySandbox::KeyExists(HKEY_CURRENT_USER, kKey));
    KitModules none;
    EXPECT_EQ(CopyMachineKeyToUser(none, kKey), 0);
}

}  // namespace
}  // namespace halvertone
