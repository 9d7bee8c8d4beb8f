#pragma once
// What a flawless calibration of the synthetic camera leaves in "Setting.ini": the camera
// pixels of the thirteen target crosses as the simulated view sees them, the derived points,
// and the lattice extended to the screen's edges, written as a finished calibration writes it.
#include <cstdint>

#include "calibration/target_layout.h"
#include "platform/profile_store.h"
#include "shell/simulation_settings.h"

namespace halvertone::sim {

// False (and nothing written) when the configured view cannot be made.
bool StorePerfectCalibration(ProfileStore& settingsFile, const SimulationSettings& simulation,
                             const TargetGeometry& targets);

}  // namespace halvertone::sim
