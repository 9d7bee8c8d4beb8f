#pragma once
// Chooses the camera by the vendor and product ids in a video device's path
// ("\\?\usb#vid_046d&pid_0825&mi_00#..."): only the first "VID"/"PID" pair of the settings
// takes part.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvertone {

// True when the 4 characters after the first "vid_" equal `vid` and the 4 after the first
// "pid_" equal `pid`, letter case ignored (vendor compared first). The markers themselves are
// case-sensitive; an id that is not exactly 4 characters long never matches, nor does a path
// that ends before the 4 characters.
// The 4 characters that follow the first `marker` ("vid_" or "pid_") in the path, as they are
// spelled there; empty when the marker is missing or the path ends before 4 characters.
std::string_view IdInPath(std::string_view path, std::string_view marker);

bool DevicePathMatches(std::string_view path, std::string_view vid, std::string_view pid);

// Index of the device to use among the enumerated paths: the last one that matches, as later
// matches replace earlier ones. Nothing when none matches.
std::optional<size_t> ChooseCaptureDevice(const std::vector<std::string>& paths,
                                          std::string_view vid, std::string_view pid);

}  // namespace halvertone
