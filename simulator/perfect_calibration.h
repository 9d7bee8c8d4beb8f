#pragma once
// What a flawless calibration of the simulated camera leaves in "Setting.ini": the camera
// pixels of the thirteen target crosses as the simulated view sees them, the derived points,
// and the lattice extended to the screen's edges, written as a finished calibration writes it.
#include <cstdint>

#include "calibration/target_layout.h"
#include "platform/profile_store.h"
#include "simulator/simulated_view.h"

namespace halvertone::sim {

// False (and nothing written) when the configured view cannot be made.
bool StorePerfectCalibration(ProfileStore& settingsFile, const CameraView& view,
                             const TargetGeometry& targets);

}  // namespace halvertone::sim
