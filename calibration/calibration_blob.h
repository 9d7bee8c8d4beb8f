#pragma once
// The calibration scan: unlike the trackers' spot finder it visits every pixel of the frame
// and builds the pen's blob from horizontal runs of bright pixels (green strictly above the
// "CheckEnv Threshold"), row by row from the top.
#include <cstdint>
#include <optional>

#include "base/pixel_rect.h"
#include "capture/camera_frame.h"

namespace halvertone {

// A blob rectangle with all four edges inclusive.
struct BlobRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // Integer division truncating toward zero.
    PixelPoint Centre() const { return {left + (right - left) / 2, top + (bottom - top) / 2}; }
    friend bool operator==(const BlobRect&, const BlobRect&) = default;
};

// The first complete blob of the frame. A blob is complete when a row without bright pixels
// follows it and it spans more than two rows; one- and two-row blobs never complete, and a run
// still open at the frame's right edge is never part of a blob.
std::optional<BlobRect> FindCalibrationBlob(const CameraFrame& frame, uint8_t threshold);

}  // namespace halvertone
