// The language files and the sample settings the program ships with.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/setting_keys.h"
#include "doubles/recording_message_box.h"
#include "platform/ini_file_store.h"
#include "shell/language_choice.h"
#include "shell/settings_loader.h"
#include "shell/text_table.h"

namespace halvertone {
namespace {

std::string ResourcesDir() {
    return (std::filesystem::path(HALVERTONE_SOURCE_DIR) / "resources" / "").string();
}

TEST(ShippedTexts, EveryLanguageOfTheIndexHasEveryText) {
    IniProfileFiles files;
    for (uint16_t id : {0x409, 0x809, 0x404, 0xC04}) {
        sim::RecordingMessageBox box;
        const LanguageChoice c = ChooseLanguage(ResourcesDir(), id, files, box);
        EXPECT_TRUE(box.shown.empty()) << std::hex << id;
        IniFileStore texts(c.languageFilePath);
        for (const TextEntry& e : AllTextEntries())
            EXPECT_FALSE(ReadText(texts, e.id).empty())
                << c.languageFilePath << ": " << e.section << "/" << e.key;
        // The running instance is found by one caption and the main window shows the other.
        EXPECT_EQ(ReadText(texts, TextId::kDialogCaptionSearch),
                  ReadText(texts, TextId::kMainWindowCaption));
        EXPECT_NE(ReadText(texts, TextId::kMsgTerminate).find("\r\n"), std::string::npos);
    }
    sim::RecordingMessageBox box;
    EXPECT_EQ(ChooseLanguage(ResourcesDir(), 0x407, files, box).languageFilePath,
              ResourcesDir() + "Language\\English.ini");
}

TEST(ShippedTexts, ChineseDoubleBytesNeverEndInABackslashOrBar) {
    // Code page 950 trail bytes can be '\' or '|': one would turn into a line break in the
    // exit confirmation or split the file filter.
    IniFileStore texts(ResourcesDir() + "Language\\ChineseTraditional.ini");
    size_t doubleBytes = 0;
    for (const TextEntry& e : AllTextEntries()) {
        const std::string t = texts.GetString(e.section, e.key, "", 1000);
        for (size_t i = 0; i < t.size(); ++i) {
            if (static_cast<unsigned char>(t[i]) < 0x81) continue;
            ASSERT_LT(i + 1, t.size()) << e.key;
            EXPECT_NE(t[i + 1], '\\') << e.key;
            EXPECT_NE(t[i + 1], '|') << e.key;
            ++i;
            ++doubleBytes;
        }
    }
    EXPECT_GT(doubleBytes, 100u);
}

TEST(ShippedSettings, SampleFileHoldsEveryKeyWithItsDefault) {
    const DirectorySettings d = LoadSettingsForDirectory(ResourcesDir());
    ASSERT_TRUE(d.settingsFileFound);
    IniFileStore ini(d.settingsFilePath);
    for (const IntSettingKey& key : IntSettingKeys()) {
        EXPECT_EQ(ini.GetString("SETTING", key.name, "absent", 20),
                  std::to_string(key.defaultValue))
            << key.name;
        EXPECT_EQ(key.held(d.settings), key.defaultValue) << key.name;
    }
    EXPECT_EQ(d.settings.cameraIdCount, 0);
}

}  // namespace
}  // namespace halvertone
