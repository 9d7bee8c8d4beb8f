#pragma once
// How the synthetic camera sees the screen for the "SIMULATION" settings.
#include <cstdint>

#include "platform/sim/screen_projection.h"
#include "shell/simulation_settings.h"

namespace halvertone {

sim::ScreenToCamera SimulatedView(const SimulationSettings& simulation, int32_t screenWidth,
                                  int32_t screenHeight);

}  // namespace halvertone
