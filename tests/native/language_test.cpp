// The choice of the language file and the reading of texts from it.
#include <gtest/gtest.h>

#include <map>

#include "platform/ini_file_store.h"
#include "platform/ini_text_store.h"
#include "doubles/recording_message_box.h"
#include "shell/language_choice.h"
#include "shell/text_table.h"
#include "support/temp_dir.h"

namespace halvertone {
namespace {

class LanguageChoiceTest : public ::testing::Test {
  protected:
    LanguageChoice Choose(uint16_t id) { return ChooseLanguage(dir_.Dir(), id, files_, box_); }
    void Index(const std::string& system) {
        dir_.Write("Language/Language.ini", "[System]\r\n" + system);
    }

    testing::TempDir dir_;
    IniProfileFiles files_;
    sim::RecordingMessageBox box_;
};

TEST_F(LanguageChoiceTest, UserLanguageWithItsFileIsUsedSilently) {
    Index("Default=English.ini\r\n409=English.ini\r\n404=Chinese.ini\r\n");
    dir_.Write("Language/English.ini", "");
    dir_.Write("Language/Chinese.ini", "");
    const LanguageChoice c = Choose(0x404);
    EXPECT_EQ(c.languageFilePath, dir_.Dir() + "Language\\Chinese.ini");
    EXPECT_EQ(c.settingsFilePath, dir_.Dir() + "Setting.ini");
    EXPECT_FALSE(c.fellBack);
    EXPECT_TRUE(box_.shown.empty());
}

TEST_F(LanguageChoiceTest, UnlistedLanguageFallsBackWithTheMessageOnce) {
    Index("Default=English.ini\r\n409=English.ini\r\n");
    dir_.Write("Language/English.ini", "");
    const LanguageChoice c = Choose(0x404);
    EXPECT_EQ(c.languageFilePath, dir_.Dir() + "Language\\English.ini");
    EXPECT_TRUE(c.fellBack);
    ASSERT_EQ(box_.shown.size(), 1u);
    EXPECT_EQ(box_.shown[0],
              "Sorry,the local language is not supported,application will execute in English.");
}

TEST_F(LanguageChoiceTest, ListedButMissingOrEmptyEntriesFallBack) {
    Index("Default=English.ini\r\n404=Chinese.ini\r\n407=\r\n");
    dir_.Write("Language/English.ini", "");
    for (uint16_t id : {uint16_t{0x404}, uint16_t{0x407}}) {
        box_.shown.clear();
        const LanguageChoice c = Choose(id);
        EXPECT_EQ(c.languageFilePath, dir_.Dir() + "Language\\English.ini") << id;
        EXPECT_EQ(box_.shown.size(), 1u) << id;
    }
}

TEST_F(LanguageChoiceTest, WithoutTheIndexTheTextsComeFromNowhere) {
    const LanguageChoice c = Choose(0x409);
    EXPECT_EQ(c.languageFilePath, dir_.Dir() + "Language\\");
    EXPECT_EQ(box_.shown.size(), 1u);
    IniFileStore texts(c.languageFilePath);
    EXPECT_EQ(ReadText(texts, TextId::kMenuExit), "");
}

TEST_F(LanguageChoiceTest, TheDefaultFileIsNotTested) {
    Index("Default=Missing.ini\r\n");
    const LanguageChoice c = Choose(0x409);
    EXPECT_EQ(c.languageFilePath, dir_.Dir() + "Language\\Missing.ini");
    EXPECT_EQ(box_.shown.size(), 1u);
}

TEST(LanguageKey, LowerCaseHexWithoutLeadingZeros) {
    EXPECT_EQ(LanguageKey(0x0404), "404");
    EXPECT_EQ(LanguageKey(0x0C04), "c04");
    EXPECT_EQ(LanguageKey(0x0009), "9");
    EXPECT_EQ(LanguageKey(0xFFFF), "ffff");
}

TEST(TextTable, EveryTextIsCutToItsBuffer) {
    std::map<std::string, std::string> sections;  // one section line each: only the first is read
    for (const TextEntry& e : AllTextEntries())
        sections[e.section] += std::string(e.key) + "=" + std::string(500, 'x') + "\r\n";
    std::string file;
    for (const auto& [name, keys] : sections) file += "[" + name + "]\r\n" + keys;
    IniTextStore store(file);
    for (const TextEntry& e : AllTextEntries())
        EXPECT_EQ(ReadText(store, e.id).size(), e.bufferChars - 1u) << e.section << "/" << e.key;
    EXPECT_EQ(ReadText(store, TextId::kMainWindowCaption).size(), 99u);
    EXPECT_EQ(ReadText(store, TextId::kAboutOkButton).size(), 49u);
    EXPECT_EQ(ReadText(store, TextId::kMsgCameraNoFind).size(), 399u);
}

TEST(TextTable, SameKeyInTwoSectionsStaysApart) {
    IniTextStore store(
        std::string("[String Table]\nOK Button=OK\nCancel Button=Cancel\n[Calibration Msg]\nOK "
                    "Button=Start\nCancel Button=Skip\n"));
    EXPECT_EQ(ReadText(store, TextId::kDistanceOkButton), "OK");
    EXPECT_EQ(ReadText(store, TextId::kCustomLineCancelButton), "Cancel");
    EXPECT_EQ(ReadText(store, TextId::kProjectionOkButton), "Start");
    EXPECT_EQ(ReadText(store, TextId::kProjectionCancelButton), "Skip");
    EXPECT_EQ(ReadText(store, TextId::kMenuExit), "");  // missing key: empty
}

TEST(TextTable, OnlyTheExitConfirmationGetsLineBreaks) {
    IniTextStore store(
        std::string("[String Table]\nMsg_terminate=Exit now?\\nStrokes are lost.\\\\n\n"
                    "Msg_Notice=a\\nb\n"));
    EXPECT_EQ(ReadText(store, TextId::kMsgTerminate), "Exit now?\r\nStrokes are lost.\\\r\n");
    EXPECT_EQ(ReadText(store, TextId::kMsgNotice), "a\\nb");
    EXPECT_EQ(ExpandLineBreaks("\\"), "\\");
    EXPECT_EQ(ExpandLineBreaks("\\N\\n\\n"), "\\N\r\n\r\n");
}

}  // namespace
}  // namespace halvertone
