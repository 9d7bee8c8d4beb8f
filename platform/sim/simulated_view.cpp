#include "platform/sim/simulated_view.h"

namespace halvertone::sim {
namespace {

// A tilt of 1 would pull each top corner in by this many camera pixels.
constexpr double kTiltPixels = 200;

}  // namespace

CameraModelConfig SimulatedCameraConfig(const SimulationSettings& simulation, int32_t screenWidth,
                                        int32_t screenHeight) {
    CameraModelConfig config;
    config.screenWidth = screenWidth;
    config.screenHeight = screenHeight;
    config.k1 = simulation.k1;
    config.upsideDown = simulation.upsideDown;
    // A camera looking up at the screen from below sees its top edge shorter.
    config.corners[0].x += simulation.tilt * kTiltPixels;
    config.corners[1].x -= simulation.tilt * kTiltPixels;
    return config;
}

ScreenToCamera SimulatedView(const SimulationSettings& simulation, int32_t screenWidth,
                             int32_t screenHeight) {
    const CameraModel model(SimulatedCameraConfig(simulation, screenWidth, screenHeight));
    // A view the model cannot make falls back to the straight-on one.
    if (!model.Valid()) return DefaultProjection(screenWidth, screenHeight);
    return model.Projection();
}

}  // namespace halvertone::sim
