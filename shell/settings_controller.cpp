#include "shell/settings_controller.h"

#include <string_view>

#include "base/setting_keys.h"

namespace halvertone {
namespace {

struct CommandWrite {
    int id;
    const char* key;
    int32_t value;
    const char* text;
};

constexpr CommandWrite kCommandWrites[] = {
    {kCommandThreshold150, "Threshold", 150, "150"},
    {kCommandThreshold210, "Threshold", 210, "210"},
    {kCommandThreshold230, "Threshold", 230, "230"},
    {kCommandOperationMode1, "Operation Mode", 1, "1"},
    {kCommandOperationMode0, "Operation Mode", 0, "0"},
};

const CommandWrite* FindCommand(int id) {
    for (const CommandWrite& c : kCommandWrites)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace

void SettingsController::SavePenSettings() {
    if (!source_.ini) return;
    halvertone::SavePenSettings(*source_.ini, source_.settingsFileFound, host_.CurrentPen(),
                                settings_.flip);
}

void SettingsController::Apply() {
    host_.SetModalUiActive();
    host_.RepaintDesktop();
    SavePenSettings();
    Load();
    host_.StartToolbarTimer(kReconnectTimerId, kReconnectDelayMs);
}

bool SettingsController::RunCommand(int commandId) {
    const CommandWrite* c = FindCommand(commandId);
    if (!c) return false;
    if (source_.ini) source_.ini->WriteString(kSettingsSection, c->key, c->text);
    Apply();
    return true;
}

bool SettingsController::IsChecked(int commandId) const {
    const CommandWrite* c = FindCommand(commandId);
    if (!c) return false;
    const int32_t stored = std::string_view(c->key) == "Threshold"
                               ? static_cast<int32_t>(settings_.threshold.load())
                               : settings_.operationMode.load();
    return stored == c->value;
}

}  // namespace halvertone
