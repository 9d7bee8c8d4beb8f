#pragma once
// Builds what the trackers read on every frame (the CameraToScreenTable, the ActiveRegion, the
// OutsideZones and the ScanWindow) from the calibration lattice. Runs at start-up and after a
// display change with flag 0, and at the end of a calibration with flag 1, which first pushes
// the lattice's outer ring out to the screen's edges and saves the lattice. The trackers are
// stopped by their callers while it runs.
#include <cstdint>
#include <optional>

#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/calibration_file.h"
#include "calibration/camera_fit.h"
#include "calibration/screen_mapping.h"
#include "calibration/target_layout.h"

namespace halvertone {

// "Mapping Mode": how the lattice is turned into screen positions.
enum MappingMode : int32_t {
    kQuarterMapping = 0,  // cells on screen quarters, band shifts; any unknown value too
    kCrossesMapping = 1,  // upright lattices on the drawn crosses, no band shifts
    kPreciseMapping = 2,  // a camera model fitted to the measured points fills the region
};

// How the per-pixel stages are carried out; both give the same table.
enum class TableFill {
    kSpans,     // region spans, the program's way
    kPerPixel,  // polygon tests per pixel, the reference
};

class TableBuilder {
  public:
    // Reads the lattice, "Projector Position", "Calibration Shift X/Y", "Calibration Size",
    // "Mapping Mode" and the measured points from `settings` and the screen size from `metrics` at
    // the moment of use.
    TableBuilder(Settings& settings, const ScreenMetrics& metrics, ScreenMapping& mapping,
                 CalibrationFile file = {}, TableFill fill = TableFill::kSpans);

    // Flag 1 after a calibration, 0 otherwise. Always returns 0; a degenerate lattice gives a
    // defined table, never a failure. A precise build that cannot fit a sane model builds as
    // mode 1 and says why in the program's log.
    int Build(int flag);

  private:
    std::optional<CameraModelParams> PreciseModel(const TargetGeometry& targets,
                                                  int32_t projectorPosition) const;
    void SaveCalibration(int32_t projectorPosition, int32_t screenWidth, int32_t screenHeight);

    Settings& settings_;
    const ScreenMetrics& metrics_;
    ScreenMapping& mapping_;
    CalibrationFile file_;
    TableFill fill_;
};

}  // namespace halvertone
