#pragma once
// The keys of the settings record in load order, with their defaults and whether the
// registry holds them. "PID" and "VID" are strings and come first; every other key is an
// integer listed here: the table keys, the nine "Calibration %d-x/y" pairs, the sixteen
// "Calibration_2 %d-x/y" pairs, "Projector Position", then "Mapping Mode" and the thirteen
// "Measured Point %d-x/y" pairs, which only "Setting.ini" holds.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/settings.h"

namespace halvertone {

inline constexpr const char* kSettingsSection = "SETTING";
inline constexpr const char* kPidKey = "PID";
inline constexpr const char* kVidKey = "VID";
// The INI read of "PID"/"VID" uses a 200-character buffer; the registry read 200 bytes.
inline constexpr size_t kCameraIdTextChars = 200;

struct IntSettingKey {
    std::string name;
    int32_t defaultValue;
    bool fromRegistry;
    std::function<void(Settings&, int32_t)> store;  // as the record holds it (low byte, ...)
    std::function<int64_t(const Settings&)> held;
};

const std::vector<IntSettingKey>& IntSettingKeys();

}  // namespace halvertone
