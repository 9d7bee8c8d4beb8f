#include "shell/settings_loader.h"

#include "platform/ini_file_store.h"
#include "shell/program_paths.h"
#include "shell/settings_load.h"

namespace halvertone {

DirectorySettings LoadSettingsForDirectory(const std::string& programDirectory,
                                           ProfileFiles& files) {
    DirectorySettings out;
    out.settingsFilePath = ProgramFile(programDirectory, kSettingsFileName);
    out.settingsFileFound = files.FileExists(out.settingsFilePath);
    const std::unique_ptr<ProfileStore> ini = files.Open(out.settingsFilePath);
    LoadSettings(out.settings, SettingsSource{out.settingsFileFound, ini.get(), nullptr});
    return out;
}

DirectorySettings LoadSettingsForDirectory(const std::string& programDirectory) {
    IniProfileFiles files;
    return LoadSettingsForDirectory(programDirectory, files);
}

}  // namespace halvertone
