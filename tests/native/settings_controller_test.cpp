// The apply step, the five settings commands with their check marks, and the save of the
// pen settings.
#include "shell/settings_controller.h"

#include <gtest/gtest.h>

#include "platform/ini_file_store.h"
#include "doubles/memory_settings_registry.h"
#include "support/temp_dir.h"

namespace halvertone {
namespace {

class RecordingHost final : public SettingsApplyHost {
  public:
    void SetModalUiActive() override { calls.push_back("modal"); }
    void RepaintDesktop() override { calls.push_back("repaint"); }
    PenSettings CurrentPen() override {
        calls.push_back("pen");
        return pen;
    }
    void StartToolbarTimer(uint32_t id, uint32_t ms) override {
        calls.push_back("timer " + std::to_string(id) + " " + std::to_string(ms));
    }
    std::vector<std::string> calls;
    PenSettings pen{0x0000FF, 5, true};
};

class SettingsCommands : public ::testing::Test {
  protected:
    SettingsController Controller(bool found) {
        source_ = SettingsSource{found, &ini_, &registry_};
        return SettingsController(settings_, source_, host_);
    }
    std::string File() { return dir_.Read("Setting.ini"); }

    testing::TempDir dir_;
    IniFileStore ini_{dir_.File("Setting.ini")};
    sim::MemorySettingsRegistry registry_;
    RecordingHost host_;
    Settings settings_;
    SettingsSource source_;
};

TEST_F(SettingsCommands, ChoosingAThresholdWritesSavesReloadsAndRestartsTheCamera) {
    dir_.Write("Setting.ini", "[SETTING]\r\nThreshold=150\r\nFlip=7\r\n");
    SettingsController c = Controller(true);
    c.Load();
    ASSERT_TRUE(c.RunCommand(kCommandThreshold210));
    EXPECT_EQ(host_.calls,
              (std::vector<std::string>{"modal", "repaint", "pen", "timer 4369 1000"}));
    EXPECT_EQ(settings_.threshold, 210);
    EXPECT_EQ(File(),
              "[SETTING]\r\nThreshold=210\r\nFlip=1\r\nPen Color=255\r\nPen "
              "Width=5\r\nTransparency=1\r\n");
    EXPECT_TRUE(c.IsChecked(kCommandThreshold210));
    EXPECT_FALSE(c.IsChecked(kCommandThreshold150));
}

TEST_F(SettingsCommands, EachCommandWritesItsKey) {
    struct Case {
        int id;
        const char* line;
    };
    for (const Case t :
         {Case{32800, "Threshold=150"}, Case{32801, "Threshold=210"}, Case{32802, "Threshold=230"},
          Case{32803, "Operation Mode=1"}, Case{32804, "Operation Mode=0"}}) {
        dir_.Write("Setting.ini", "[SETTING]\r\nThreshold=1\r\nOperation Mode=5\r\n");
        SettingsController c = Controller(true);
        ASSERT_TRUE(c.RunCommand(t.id));
        EXPECT_NE(File().find(std::string(t.line) + "\r\n"), std::string::npos)
            << t.id << ": " << File();
        EXPECT_TRUE(c.IsChecked(t.id)) << t.id;
    }
}

TEST_F(SettingsCommands, CheckMarksFollowTheStoredValues) {
    SettingsController c = Controller(true);
    settings_.threshold = 230;
    settings_.operationMode = 1;
    EXPECT_FALSE(c.IsChecked(32800));
    EXPECT_FALSE(c.IsChecked(32801));
    EXPECT_TRUE(c.IsChecked(32802));
    EXPECT_TRUE(c.IsChecked(32803));
    EXPECT_FALSE(c.IsChecked(32804));
    settings_.threshold = 200;
    settings_.operationMode = 2;
    for (int id = 32800; id <= 32804; ++id) EXPECT_FALSE(c.IsChecked(id)) << id;
    EXPECT_FALSE(c.IsChecked(32773));
}

TEST_F(SettingsCommands, OtherCommandsAreNotHandled) {
    SettingsController c = Controller(true);
    EXPECT_FALSE(c.RunCommand(32799));
    EXPECT_FALSE(c.RunCommand(32805));
    EXPECT_TRUE(host_.calls.empty());
    EXPECT_FALSE(dir_.Exists("Setting.ini"));
}

TEST_F(SettingsCommands, RunningFromTheRegistryCreatesTheFileButKeepsReadingTheRegistry) {
    registry_.userKey = sim::MemorySettingsRegistry::Key{{"Threshold", 230u}};
    SettingsController c = Controller(false);
    c.Load();
    ASSERT_TRUE(c.RunCommand(kCommandThreshold150));
    EXPECT_EQ(File(),
              "[SETTING]\r\nThreshold=150\r\n");  // no pen settings without the file at start
    EXPECT_EQ(settings_.threshold, 230);
    EXPECT_TRUE(c.IsChecked(kCommandThreshold230));
}

TEST_F(SettingsCommands, PenSettingsAreSavedOnlyWhenTheFileWasFound) {
    SettingsController notFound = Controller(false);
    notFound.SavePenSettings();
    EXPECT_FALSE(dir_.Exists("Setting.ini"));

    dir_.Write("Setting.ini", "");
    settings_.flip = -3;
    host_.pen = PenSettings{0xFF0000, 12, false};
    SettingsController found = Controller(true);
    found.SavePenSettings();
    EXPECT_EQ(File(),
              "[SETTING]\r\nPen Color=16711680\r\nPen Width=12\r\nTransparency=0\r\nFlip=1\r\n");
}

}  // namespace
}  // namespace halvertone
