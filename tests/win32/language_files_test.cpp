// The shipped language files in the program directory, read through the platform's own
// profile functions.
#include <gtest/gtest.h>
#include <windows.h>

#include "kit_test_support.h"
#include "doubles/recording_message_box.h"
#include "platform/win32/private_profile_store.h"
#include "shell/language_choice.h"
#include "shell/text_table.h"

namespace halvertone {
namespace {

TEST(LanguageFiles, ChoiceAndTextsThroughThePlatform) {
    PrivateProfileFiles files;
    sim::RecordingMessageBox box;
    const std::string dir = testing::ProgramDir();

    const LanguageChoice chinese = ChooseLanguage(dir, 0x0404, files, box);
    EXPECT_EQ(chinese.languageFilePath, dir + "Language\\ChineseTraditional.ini");
    EXPECT_TRUE(box.shown.empty());

    const LanguageChoice fallback = ChooseLanguage(dir, 0x0407, files, box);
    EXPECT_EQ(fallback.languageFilePath, dir + "Language\\English.ini");
    EXPECT_EQ(box.shown, std::vector<std::string>{kLanguageFallbackMessage});

    PrivateProfileStore english(fallback.languageFilePath);
    EXPECT_EQ(ReadText(english, TextId::kMsgTerminate),
              "Do you want to close Halvertone?\r\nThe drawings on the screen will be cleared.");
    EXPECT_EQ(ReadText(english, TextId::kProjectionOkButton), "OK");
    const std::string filter = ReadText(english, TextId::kSupportFileFormat);
    EXPECT_EQ(filter.rfind("JPEG", 0), 0u);  // the first filter entry saves JPEG
    EXPECT_EQ(filter.substr(filter.size() - 2), "||");
}

TEST(LanguageFiles, SettingsFileFoundBesideTheProgram) {
    PrivateProfileFiles files;
    EXPECT_TRUE(files.FileExists(testing::ProgramDir() + "Setting.ini"));
    EXPECT_FALSE(files.FileExists(testing::ProgramDir() + "Language"));  // a directory
    EXPECT_FALSE(files.FileExists(testing::ProgramDir() + "Nothing.ini"));
}

}  // namespace
}  // namespace halvertone
