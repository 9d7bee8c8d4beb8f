#include "tools/win32/virtual_webcam/webcam_config.h"

#include <algorithm>

#include "platform/win32/private_profile_store.h"

namespace halvertone::webcam {
namespace {

constexpr char kSection[] = "Webcam";
constexpr size_t kChars = 512;

// A path relative to the INI file's folder, or as written when it is absolute.
std::string Beside(const std::string& iniPath, const std::string& name) {
    if (name.empty()) return {};
    if (name.size() > 1 && (name[1] == ':' || name[0] == '\\' || name[0] == '/')) return name;
    const size_t slash = iniPath.find_last_of("\\/");
    return slash == std::string::npos ? name : iniPath.substr(0, slash + 1) + name;
}

}  // namespace

WebcamConfig LoadWebcamConfig(const std::string& iniPath) {
    PrivateProfileStore ini(iniPath);
    WebcamConfig c;
    c.formats = ParseFormats(ini.GetString(kSection, "Formats", "", kChars));
    c.frameRate = std::clamp(ini.GetInt(kSection, "FrameRate", 30), 1, 120);
    c.penScript = Beside(iniPath, ini.GetString(kSection, "PenScript", "", kChars));
    c.livePen = ini.GetInt(kSection, "LivePen", 0) != 0;
    c.view = sim::ReadCameraView(ini, kSection);
    c.lamp = ini.GetInt(kSection, "Lamp", 0) != 0;
    c.registerLog = Beside(iniPath, ini.GetString(kSection, "RegisterLog", "", kChars));
    c.frameLog = Beside(iniPath, ini.GetString(kSection, "FrameLog", "", kChars));
    c.targetSize = std::clamp(ini.GetInt(kSection, "TargetSize", 16), 4, 200);
    c.targetShiftX = std::clamp(ini.GetInt(kSection, "TargetShiftX", 10), 0, 2000);
    c.targetShiftY = std::clamp(ini.GetInt(kSection, "TargetShiftY", 10), 0, 2000);
    return c;
}

}  // namespace halvertone::webcam
