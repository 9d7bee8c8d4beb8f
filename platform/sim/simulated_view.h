#pragma once
// How the synthetic camera sees the screen for the "SIMULATION" settings: the camera model's
// default keystoned view of the whole screen, with the configured lens distortion and tilt,
// upright or turned by 180 degrees.
#include <cstdint>

#include "platform/sim/camera_model.h"
#include "platform/sim/screen_projection.h"
#include "shell/simulation_settings.h"

namespace halvertone::sim {

CameraModelConfig SimulatedCameraConfig(const SimulationSettings& simulation, int32_t screenWidth,
                                        int32_t screenHeight);

ScreenToCamera SimulatedView(const SimulationSettings& simulation, int32_t screenWidth,
                             int32_t screenHeight);

}  // namespace halvertone::sim
