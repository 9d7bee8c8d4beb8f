#include "shell/language_choice.h"

#include <cstdio>

#include "shell/program_paths.h"

namespace halvertone {

std::string LanguageKey(uint16_t languageId) {
    char text[8];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(languageId));
    return text;
}

LanguageChoice ChooseLanguage(const std::string& programDirectory, uint16_t userLanguageId,
                              ProfileFiles& files, MessageBoxPort& messages) {
    LanguageChoice choice;
    choice.settingsFilePath = ProgramFile(programDirectory, kSettingsFileName);
    const std::unique_ptr<ProfileStore> index =
        files.Open(ProgramFile(programDirectory, kLanguageIndexFile));
    const std::string languageDir = ProgramFile(programDirectory, kLanguageDirectory);

    const std::string name = index->GetString(kLanguageIndexSection, LanguageKey(userLanguageId),
                                              "", kLanguageNameChars);
    choice.languageFilePath = languageDir + name;
    if (files.FileExists(choice.languageFilePath)) return choice;

    const std::string fallback =
        index->GetString(kLanguageIndexSection, kDefaultLanguageKey, "", kLanguageNameChars);
    choice.languageFilePath = languageDir + fallback;
    choice.fellBack = true;
    messages.ShowOk(kLanguageFallbackMessage);
    return choice;
}

}  // namespace halvertone
