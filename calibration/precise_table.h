#pragma once
// The table from a camera model instead of the lattice's straight lines: the model is fitted
// to the thirteen measured points and the crosses of their targets, and every camera pixel
// inside the ActiveRegion gets the screen pixel the model maps its centre to. The per-frame
// path stays one table look-up.
#include <array>
#include <cstdint>
#include <string>

#include "base/measured_points.h"
#include "calibration/camera_fit.h"
#include "calibration/camera_to_screen_table.h"
#include "calibration/polygon_region.h"
#include "calibration/target_layout.h"

namespace halvertone {

// Each measured point (pixel centre) with the centre of its target's cross, reflected as the
// table reflects for `projectorPosition` (1: both axes, 2: x, 3: y).
std::array<FitPair, kMeasuredCount> CalibrationPairs(const MeasuredPoints& measured,
                                                     const TargetGeometry& targets,
                                                     int32_t projectorPosition);

// Sets the entry of every pixel inside `region` to the screen pixel under the model's point for
// the pixel's centre, limited to the screen (a -1 would read as unknown, and a point far off
// would throw the cursor across it). Refuses (empty table untouched,
// the reason returned) when the model folds, turns or runs off to infinity over the region.
std::string FillFromModel(CameraToScreenTable& table, const PolygonRegion& region,
                          const CameraModelParams& model, int32_t screenWidth,
                          int32_t screenHeight);

}  // namespace halvertone
