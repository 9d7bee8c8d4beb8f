#pragma once
// The settings as the application runs them: the load, the save of the pen settings, the
// apply step after a change made through a menu or dialog, and the five commands that set
// the spot threshold preset and the operation mode.
#include <cstdint>

#include "base/settings.h"
#include "shell/pen_settings.h"
#include "shell/settings_load.h"

namespace halvertone {

// The toolbar's reconnect timer: it rebuilds the capture graph with the ids just read.
inline constexpr uint32_t kReconnectTimerId = 4369;
inline constexpr uint32_t kReconnectDelayMs = 1000;

enum SettingsCommandId : int {
    kCommandThreshold150 = 32800,
    kCommandThreshold210 = 32801,
    kCommandThreshold230 = 32802,
    kCommandOperationMode1 = 32803,
    kCommandOperationMode0 = 32804,
};

// What the apply step needs from the rest of the program.
class SettingsApplyHost {
  public:
    virtual ~SettingsApplyHost() = default;
    virtual void SetModalUiActive() = 0;  // left set: the reconnect clears it
    virtual void RepaintDesktop() = 0;
    virtual PenSettings CurrentPen() = 0;  // the toolbar's colour, width and highlighter
    virtual void StartToolbarTimer(uint32_t timerId, uint32_t elapseMs) = 0;
};

class SettingsController {
  public:
    // `source.ini` is the store of SettingsFilePath; every write goes there, also when the
    // record is read from the registry.
    SettingsController(Settings& settings, const SettingsSource& source, SettingsApplyHost& host)
        : settings_(settings), source_(source), host_(host) {}

    int Load() { return LoadSettings(settings_, source_); }
    void SavePenSettings();
    void Apply();
    // Writes the command's key and applies; false for an id that is not one of the five.
    bool RunCommand(int commandId);
    // Whether the menu item of the command carries a check mark for the stored values.
    bool IsChecked(int commandId) const;

  private:
    Settings& settings_;
    SettingsSource source_;
    SettingsApplyHost& host_;
};

}  // namespace halvertone
