#pragma once
// The settings load: every key from "Setting.ini" section "SETTING" when that file was found
// at start-up, otherwise from the registry key "Software\Tarnwick" of the current user.
#include "base/settings.h"
#include "platform/profile_store.h"
#include "shell/settings_registry.h"

namespace halvertone {

struct SettingsSource {
    bool settingsFileFound = false;
    ProfileStore* ini = nullptr;           // SettingsFilePath
    SettingsRegistry* registry = nullptr;  // none in the portable build
};

// Reads every key in order into the record and returns 1. The user key is opened first
// (copied from the machine hive when it cannot be) whichever source is read. Absent keys,
// absent values and a missing key give the defaults; "Flip" and the "Calibration_2" points
// are not in the registry and keep their values when it is the source.
int LoadSettings(Settings& settings, const SettingsSource& source);

}  // namespace halvertone
