#include "capture/device_path_match.h"

namespace halvertone {
namespace {

constexpr size_t kIdChars = 4;

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IdFollows(std::string_view path, std::string_view marker, std::string_view id) {
    const std::string_view found = IdInPath(path, marker);
    if (found.empty() || id.size() != kIdChars) return false;
    for (size_t i = 0; i < kIdChars; ++i)
        if (Lower(found[i]) != Lower(id[i])) return false;
    return true;
}

}  // namespace

std::string_view IdInPath(std::string_view path, std::string_view marker) {
    const size_t at = path.find(marker);
    if (at == std::string_view::npos) return {};
    const size_t start = at + marker.size();
    if (path.size() - start < kIdChars) return {};
    return path.substr(start, kIdChars);
}

bool DevicePathMatches(std::string_view path, std::string_view vid, std::string_view pid) {
    return IdFollows(path, "vid_", vid) && IdFollows(path, "pid_", pid);
}

std::optional<size_t> ChooseCaptureDevice(const std::vector<std::string>& paths,
                                          std::string_view vid, std::string_view pid) {
    std::optional<size_t> chosen;
    for (size_t i = 0; i < paths.size(); ++i)
        if (DevicePathMatches(paths[i], vid, pid)) chosen = i;
    return chosen;
}

}  // namespace halvertone
