#pragma once
// Which language file the texts come from, decided once at start-up through the index
// "Language\Language.ini": section "System", key = the user's default language id in
// lower-case hexadecimal ("404", "409"), value = a file name inside "Language\".
#include <cstdint>
#include <string>

#include "platform/message_box.h"
#include "platform/profile_files.h"

namespace halvertone {

inline constexpr const char* kLanguageFallbackMessage =
    "Sorry,the local language is not supported,application will execute in English.";
inline constexpr const char* kLanguageIndexFile = "Language\\Language.ini";
inline constexpr const char* kLanguageDirectory = "Language\\";
inline constexpr const char* kLanguageIndexSection = "System";
inline constexpr const char* kDefaultLanguageKey = "Default";
inline constexpr size_t kLanguageNameChars = 200;

struct LanguageChoice {
    std::string languageFilePath;
    std::string settingsFilePath;
    bool fellBack = false;
};

std::string LanguageKey(uint16_t languageId);

// When the user's language has no entry or its file is missing (an empty entry names the
// directory itself), the "Default" entry is taken without testing its file and the fallback
// message is shown once.
LanguageChoice ChooseLanguage(const std::string& programDirectory, uint16_t userLanguageId,
                              ProfileFiles& files, MessageBoxPort& messages);

}  // namespace halvertone
