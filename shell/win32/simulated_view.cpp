#include "shell/win32/simulated_view.h"

namespace halvertone {
namespace {

// A tilt of 1 would pull each top corner in by this many camera pixels.
constexpr double kTiltPixels = 200;

}  // namespace

sim::CameraModelConfig SimulatedCameraConfig(const SimulationSettings& simulation,
                                             int32_t screenWidth, int32_t screenHeight) {
    sim::CameraModelConfig config;
    config.screenWidth = screenWidth;
    config.screenHeight = screenHeight;
    config.k1 = simulation.k1;
    // A camera looking up at the screen from below sees its top edge shorter.
    config.corners[0].x += simulation.tilt * kTiltPixels;
    config.corners[1].x -= simulation.tilt * kTiltPixels;
    return config;
}

sim::ScreenToCamera SimulatedView(const SimulationSettings& simulation, int32_t screenWidth,
                                  int32_t screenHeight) {
    const sim::CameraModel model(SimulatedCameraConfig(simulation, screenWidth, screenHeight));
    // A view the model cannot make falls back to the straight-on one.
    if (!model.Valid()) return sim::DefaultProjection(screenWidth, screenHeight);
    return model.Projection();
}

}  // namespace halvertone
