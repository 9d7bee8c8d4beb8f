#pragma once
// The camera choice: the video devices present as the user sees them (name, vendor and
// product ids read from the device path, which one is in use) and the ids written for the one
// chosen.
#include <optional>
#include <string>
#include <vector>

#include "capture/camera_ids.h"
#include "platform/profile_store.h"

namespace halvertone {

struct PresentCamera {
    std::string name;  // the device's friendly name
    std::string path;  // its device path
};

struct CameraEntry {
    std::string name;
    std::string vid;  // 4 characters as the path spells them; empty when the path has none
    std::string pid;
    bool inUse = false;
};

// One entry per present camera, in the system's order. The camera in use is the one the
// capture graph takes for `ids` (the last match), and none when the settings hold no pair.
std::vector<CameraEntry> ListCameras(const std::vector<PresentCamera>& present,
                                     const CameraIds& ids);

// The entry's line in the dialog: the language file's "Line" text with {name}, {vid} and
// {pid} filled in, followed by two blanks and `inUseMark` for the camera in use.
std::string CameraLine(const CameraEntry& entry, const std::string& lineText,
                       const std::string& inUseMark);

// Writes "VID" and "PID" of section "SETTING" for the chosen camera; false when the entry
// carries no ids (it could never be matched) or the file could not be written.
bool WriteCameraChoice(ProfileStore& settingsFile, const CameraEntry& chosen);

}  // namespace halvertone
