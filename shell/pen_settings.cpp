#include "shell/pen_settings.h"

#include <string>

#include "base/setting_keys.h"

namespace halvertone {

void SavePenSettings(ProfileStore& ini, bool settingsFileFound, const PenSettings& pen,
                     int32_t flip) {
    if (!settingsFileFound) return;
    // A failed write is not reported: the next start simply reads the older values.
    ini.WriteString(kSettingsSection, "Pen Color", std::to_string(pen.color));
    ini.WriteString(kSettingsSection, "Pen Width", std::to_string(pen.width));
    ini.WriteString(kSettingsSection, "Transparency", pen.highlighter ? "1" : "0");
    ini.WriteString(kSettingsSection, "Flip", flip != 0 ? "1" : "0");
}

}  // namespace halvertone
