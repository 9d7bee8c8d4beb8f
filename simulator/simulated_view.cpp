#include "simulator/simulated_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace halvertone::sim {
namespace {

// A tilt of 1 would pull each top corner in by this many camera pixels.
constexpr double kTiltPixels = 200;

double Number(ProfileStore& ini, const std::string& section, const char* key, double bound) {
    const std::string text = ini.GetString(section, key, "", 64);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v)) return 0;
    return std::clamp(v, -bound, bound);
}

}  // namespace

CameraView ReadCameraView(ProfileStore& ini, const std::string& section) {
    CameraView view;
    view.k1 = Number(ini, section, "K1", 0.5);
    view.tilt = Number(ini, section, "Tilt", 0.3);
    view.upsideDown = ini.GetInt(section, "UpsideDown", 0) == 1;
    return view;
}

CameraModelConfig SimulatedCameraConfig(const CameraView& view, int32_t screenWidth,
                                        int32_t screenHeight) {
    CameraModelConfig config;
    config.screenWidth = screenWidth;
    config.screenHeight = screenHeight;
    config.k1 = view.k1;
    config.upsideDown = view.upsideDown;
    // A camera looking up at the screen from below sees its top edge shorter.
    config.corners[0].x += view.tilt * kTiltPixels;
    config.corners[1].x -= view.tilt * kTiltPixels;
    return config;
}

ScreenToCamera SimulatedView(const CameraView& view, int32_t screenWidth, int32_t screenHeight) {
    const CameraModel model(SimulatedCameraConfig(view, screenWidth, screenHeight));
    // A view the model cannot make falls back to the straight-on one.
    if (!model.Valid()) return DefaultProjection(screenWidth, screenHeight);
    return model.Projection();
}

}  // namespace halvertone::sim
