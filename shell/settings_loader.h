#pragma once
// The settings of a program directory exactly as start-up reads them, for tools and tests
// that have no registry: with "Setting.ini" in the directory its values, otherwise every
// default.
#include <string>

#include "base/settings.h"
#include "platform/profile_files.h"

namespace halvertone {

struct DirectorySettings {
    std::string settingsFilePath;
    bool settingsFileFound = false;
    Settings settings;
};

DirectorySettings LoadSettingsForDirectory(const std::string& programDirectory,
                                           ProfileFiles& files);
// The same on the local file system.
DirectorySettings LoadSettingsForDirectory(const std::string& programDirectory);

}  // namespace halvertone
