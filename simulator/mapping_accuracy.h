#pragma once
// How well a table built from a perfect (or a slightly noisy) calibration maps camera pixels to the
// screen, against the camera model's ground truth, and beside it a single homography through the
// four corner targets. Every camera pixel whose true screen point lies on the screen and whose
// table entry is known counts once; an entry (or estimate) stands for the centre of its screen
// pixel.
#include <cstddef>
#include <cstdint>

#include "calibration/target_layout.h"
#include "simulator/camera_model.h"

namespace halvertone::sim {

struct ErrorStats {
    double mean = 0;  // screen pixels
    double p95 = 0;
    double max = 0;
    size_t samples = 0;
};

struct MappingAccuracy {
    ErrorStats table;    // the table built after a calibration (extension, no settings file)
    ErrorStats covered;  // the table between the outer targets' crosses, where it interpolates
    ErrorStats margin;   // the table between those crosses and the screen's edges
    // Screen points every 16 pixels (and on the far edges) held with the pen: the camera pixel
    // that sees each point looked up, between the crosses and in the margins.
    ErrorStats penCovered;
    ErrorStats penMargin;
    ErrorStats homography;  // one 4-corner homography, stored as whole pixels like the table
    size_t unknown = 0;     // pixels seeing the screen whose entry has a -1 component
    size_t uncovered = 0;   // pixels seeing the screen outside the ActiveRegion
};

struct MappingScenario {
    int32_t mappingMode = 1;  // "Mapping Mode" of the build
    // Non-zero: each measured point's camera position is off by up to one camera pixel in x
    // and y (uniform, drawn from this seed) before it is taken as a whole pixel, as a shaky
    // hand or a coarse spot would place it.
    uint32_t noiseSeed = 0;
};

// `targets` gives the margins and target size; the screen size is the model's.
MappingAccuracy MeasureMappingAccuracy(const CameraModel& model, const TargetGeometry& targets,
                                       const MappingScenario& scenario = {});

}  // namespace halvertone::sim
