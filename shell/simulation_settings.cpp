#include "shell/simulation_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace halvertone {
namespace {

double ReadNumber(ProfileStore& ini, const char* key, double lo, double hi) {
    const std::string text = ini.GetString(kSimulationSection, key, "", 64);
    if (text.empty()) return 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(v) || v < lo || v > hi) return 0;
    return v;
}

// A time in milliseconds, 0 .. one day; anything else (or nothing) is -1.
int32_t ReadTime(ProfileStore& ini, const char* key) {
    constexpr int32_t kDayMs = 24 * 60 * 60 * 1000;
    const std::string text = ini.GetString(kSimulationSection, key, "", 64);
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 0 || v > kDayMs) return -1;
    return static_cast<int32_t>(v);
}

}  // namespace

SimulationSettings ReadSimulationSettings(ProfileStore& ini) {
    SimulationSettings s;
    s.camera = ini.GetInt(kSimulationSection, "Camera", 0) == 1;
    s.penScript = ini.GetString(kSimulationSection, "Pen Script", "", 260);
    s.livePen = ini.GetInt(kSimulationSection, "Live Pen", 0) == 1;
    s.cursorLog = ini.GetString(kSimulationSection, "Cursor Log", "", 260);
    s.cameraLog = ini.GetString(kSimulationSection, "Camera Log", "", 260);
    s.k1 = ReadNumber(ini, "K1", -0.5, 0.5);
    s.tilt = ReadNumber(ini, "Tilt", -0.3, 0.3);
    s.unplugAtMs = ReadTime(ini, "Unplug At");
    s.replugAtMs = ReadTime(ini, "Replug At");
    s.upsideDown = ini.GetInt(kSimulationSection, "Upside Down", 0) == 1;
    s.lamp = ini.GetInt(kSimulationSection, "Lamp", 0) == 1;
    const double fps = ReadNumber(ini, "Frame Rate", 1, 120);
    if (fps >= 1) s.frameRate = static_cast<int>(fps);
    // A day at most; an unplugged stretch must leave some plugged time in every period.
    const double every = ReadNumber(ini, "Unplug Every", 0, 86400);
    const double length = ReadNumber(ini, "Unplug For", 0, 86400);
    if (every >= 2) {
        s.unplugEverySeconds = static_cast<uint32_t>(every);
        const auto wanted = length >= 1 ? static_cast<uint32_t>(length) : 5u;
        s.unplugForSeconds = std::min(wanted, s.unplugEverySeconds - 1);
    }
    return s;
}

}  // namespace halvertone
