#include "shell/camera_choice.h"

#include "base/setting_keys.h"
#include "capture/device_path_match.h"
#include "shell/text_table.h"

namespace halvertone {

std::vector<CameraEntry> ListCameras(const std::vector<PresentCamera>& present,
                                     const CameraIds& ids) {
    std::vector<std::string> paths;
    std::vector<CameraEntry> entries;
    for (const PresentCamera& camera : present) {
        paths.push_back(camera.path);
        entries.push_back(CameraEntry{camera.name, std::string(IdInPath(camera.path, "vid_")),
                                      std::string(IdInPath(camera.path, "pid_")), false});
    }
    if (ids.count != 0)
        if (const std::optional<size_t> used = ChooseCaptureDevice(paths, ids.vid, ids.pid))
            entries[*used].inUse = true;
    return entries;
}

std::string CameraLine(const CameraEntry& entry, const std::string& lineText,
                       const std::string& inUseMark) {
    // A name-only line rather than an empty one when the language file lacks the text.
    std::string line =
        lineText.empty()
            ? entry.name
            : FillFields(lineText,
                         {{"{name}", entry.name}, {"{vid}", entry.vid}, {"{pid}", entry.pid}});
    // The language file cannot hold leading blanks, so the gap before the mark is ours.
    if (entry.inUse && !inUseMark.empty()) line += "  " + inUseMark;
    return line;
}

bool WriteCameraChoice(ProfileStore& settingsFile, const CameraEntry& chosen) {
    if (chosen.vid.empty() || chosen.pid.empty()) return false;
    return settingsFile.WriteString(kSettingsSection, kVidKey, chosen.vid) &&
           settingsFile.WriteString(kSettingsSection, kPidKey, chosen.pid);
}

}  // namespace halvertone
