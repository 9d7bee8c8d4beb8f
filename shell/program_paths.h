#pragma once
// Files beside the program: the program directory (ending in a separator) plus a relative
// name. A directory given without its final separator gets one.
#include <string>

namespace halvertone {

inline std::string ProgramFile(const std::string& programDirectory, const std::string& relative) {
    if (programDirectory.empty() || programDirectory.back() == '\\' ||
        programDirectory.back() == '/')
        return programDirectory + relative;
    return programDirectory + "\\" + relative;
}

inline constexpr const char* kSettingsFileName = "Setting.ini";

}  // namespace halvertone
