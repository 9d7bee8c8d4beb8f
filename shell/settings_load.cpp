#include "shell/settings_load.h"

#include <string>

#include "base/setting_keys.h"
#include "shell/camera_ids.h"
#include "shell/pen_button_mode.h"

namespace halvertone {
namespace {

bool OpenUserKey(SettingsRegistry* registry) {
    if (!registry) return false;
    if (registry->OpenUserKey()) return true;
    return registry->CopyMachineKeyToUser() != 0 && registry->OpenUserKey();
}

}  // namespace

int LoadSettings(Settings& settings, const SettingsSource& source) {
    SettingsRegistry* registry = source.registry;
    const bool keyOpen = OpenUserKey(registry);
    settings.cameraIdCount = 0;

    std::string pid, vid;
    if (source.settingsFileFound && source.ini) {
        ProfileStore& ini = *source.ini;
        pid = ini.GetString(kSettingsSection, kPidKey, "", kCameraIdTextChars);
        vid = ini.GetString(kSettingsSection, kVidKey, "", kCameraIdTextChars);
        for (const IntSettingKey& key : IntSettingKeys())
            key.store(settings, ini.GetInt(kSettingsSection, key.name, key.defaultValue));
    } else {
        if (keyOpen) {
            pid = registry->ReadString(kPidKey, kCameraIdTextChars).value_or("");
            vid = registry->ReadString(kVidKey, kCameraIdTextChars).value_or("");
        }
        for (const IntSettingKey& key : IntSettingKeys()) {
            if (!key.fromRegistry) continue;
            const std::optional<uint32_t> v =
                keyOpen ? registry->ReadDword(key.name) : std::nullopt;
            key.store(settings, v ? static_cast<int32_t>(*v) : key.defaultValue);
        }
    }
    if (keyOpen) registry->CloseUserKey();

    SetCameraIds(settings, pid, vid);
    DecodePenButtonMode(settings);
    return 1;
}

}  // namespace halvertone
