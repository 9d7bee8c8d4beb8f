#pragma once
// Refines the centre of a calibration blob: finds the brightness level that half of the blob
// rectangle's pixels reach, takes each row's first run at that level, trims ragged rows at the
// top and bottom, and averages the run starts and ends of the middle rows.
#include <array>
#include <cstdint>

#include "calibration/calibration_blob.h"
#include "capture/camera_frame.h"

namespace halvertone {

struct RefinedCentre {
    PixelPoint centre;
    uint8_t level = 0;  // the brightness level the runs were taken at
};

// Counts of green values over a rectangle.
using GreenHistogram = std::array<uint32_t, 256>;

// The largest value from 255 down to 2 whose count of pixels at or above it reaches `half`.
// When not even 2 reaches it (a rectangle mostly of black pixels), the level is the scan's own
// brightness bar, scanThreshold + 1 (at least 2): every blob pixel found by the scan reaches
// it, and the spot threshold derived from it stays meaningful.
uint8_t RefinementLevel(const GreenHistogram& histogram, uint32_t half, uint8_t scanThreshold);

// `blob` must lie inside the frame. `scanThreshold` is the "CheckEnv Threshold" the blob was
// found with.
RefinedCentre RefineCentre(const CameraFrame& frame, const BlobRect& blob, uint8_t scanThreshold);

}  // namespace halvertone
