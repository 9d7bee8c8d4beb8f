#include "tools/win32/virtual_webcam/webcam_config.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

double Number(PrivateProfileStore& ini, const char* key, double lo, double hi) {
    const std::string text = ini.GetString(kSection, key, "", kChars);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v)) return 0;
    return std::clamp(v, lo, hi);
}

}  // namespace

WebcamConfig LoadWebcamConfig(const std::string& iniPath) {
    PrivateProfileStore ini(iniPath);
    WebcamConfig c;
    c.formats = ParseFormats(ini.GetString(kSection, "Formats", "", kChars));
    c.frameRate = std::clamp(ini.GetInt(kSection, "FrameRate", 30), 1, 120);
    c.penScript = Beside(iniPath, ini.GetString(kSection, "PenScript", "", kChars));
    c.livePen = ini.GetInt(kSection, "LivePen", 0) != 0;
    c.k1 = Number(ini, "K1", -0.5, 0.5);
    c.tilt = Number(ini, "Tilt", -0.3, 0.3);
    c.upsideDown = ini.GetInt(kSection, "UpsideDown", 0) != 0;
    c.lamp = ini.GetInt(kSection, "Lamp", 0) != 0;
    c.registerLog = Beside(iniPath, ini.GetString(kSection, "RegisterLog", "", kChars));
    c.targetSize = std::clamp(ini.GetInt(kSection, "TargetSize", 16), 4, 200);
    c.targetShiftX = std::clamp(ini.GetInt(kSection, "TargetShiftX", 10), 0, 2000);
    c.targetShiftY = std::clamp(ini.GetInt(kSection, "TargetShiftY", 10), 0, 2000);
    return c;
}

}  // namespace halvertone::webcam
