#include "shell/camera_ids.h"

#include <algorithm>

namespace halvertone {

int SplitCameraIds(std::string_view text, std::array<std::string, kCameraIdSlots>& list) {
    for (std::string& entry : list) entry.clear();
    int tokens = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find(',', pos);
        if (end == std::string_view::npos) end = text.size();
        if (end > pos) {
            if (tokens < kCameraIdSlots)
                list[static_cast<size_t>(tokens)] =
                    std::string(text.substr(pos, std::min(end - pos, kCameraIdMaxChars)));
            ++tokens;
        }
        pos = end + 1;
    }
    return tokens;
}

void SetCameraIds(Settings& settings, std::string_view pidText, std::string_view vidText) {
    const int pids = SplitCameraIds(pidText, settings.pid);
    const int vids = SplitCameraIds(vidText, settings.vid);
    settings.cameraIdCount = std::min({pids, vids, kCameraIdSlots});
}

}  // namespace halvertone
