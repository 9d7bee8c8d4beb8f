#include "simulator/perfect_calibration.h"

#include "calibration/calibration_file.h"
#include "calibration/lattice_derivation.h"
#include "calibration/table_builder.h"
#include "simulator/simulated_view.h"

namespace halvertone::sim {

bool StorePerfectCalibration(ProfileStore& settingsFile, const CameraView& view,
                             const TargetGeometry& targets) {
    CameraModelConfig config =
        SimulatedCameraConfig(view, targets.screenWidth, targets.screenHeight);
    // A camera mounted upside down is calibrated after the program turned its picture upright.
    config.upsideDown = false;
    const CameraModel model(config);
    if (!model.Valid()) return false;
    Settings settings;
    settings.calibrationSize = targets.size;
    settings.calibrationShiftX = targets.shiftX;
    settings.calibrationShiftY = targets.shiftY;
    settings.grid = model.MeasuredLattice(targets);
    DeriveLattice(settings.grid);
    ScreenMetrics metrics;
    metrics.Set(targets.screenWidth, targets.screenHeight);
    ScreenMapping mapping;
    // The build after a calibration extends the lattice and saves it.
    TableBuilder(settings, metrics, mapping, CalibrationFile{true, &settingsFile, nullptr})
        .Build(1);
    return true;
}

}  // namespace halvertone::sim
