#pragma once
// Finds the pen's light spot in one camera frame: a coarse scan for the first bright pixel
// (every second column of every second row), a cross-shaped walk over the bright blob around
// it, and a refinement pass over a small window that finds the brightest part of the spot.
// Brightness is the green byte only; everything works in place on the ring slot.
#include <cstdint>
#include <optional>

#include "base/pixel_rect.h"
#include "capture/camera_frame.h"
#include "tracking/spot_box.h"

namespace halvertone {

// Mouse mode scans rows y < bottom - 2; pen drawing and eraser mode rows y < bottom.
enum class ScanRows { kMouse, kPenEraser };

int32_t RowLimit(const PixelRect& window, ScanRows rows);

struct SpotHit {
    PixelPoint hit;  // first bright pixel of the coarse scan
    SpotBox box;     // refined box; empty (centre 500, 500) when the refinement collected nothing
};

// The scan window clipped to the frame (the finder never reads outside 640 x 480).
PixelRect ClipToFrame(const PixelRect& window);

// Coarse scan, the plain loop: kept as the reference the vector scan must match.
std::optional<PixelPoint> CoarseScanReference(const CameraFrame& frame, const PixelRect& window,
                                              uint8_t threshold, int32_t rowLimit);
// Coarse scan, vectorised where the processor allows; the same hit as the reference.
std::optional<PixelPoint> CoarseScan(const CameraFrame& frame, const PixelRect& window,
                                     uint8_t threshold, int32_t rowLimit);

// Blob walks and refinement from a coarse-scan hit.
SpotBox MeasureSpot(const CameraFrame& frame, const PixelRect& window, uint8_t threshold,
                    PixelPoint hit);

// Levels of the refinement pass. The level starts at T + 20; for thresholds above 235 that
// does not fit in 8 bits, so it saturates at 255 (only fully saturated pixels are collected).
uint8_t RefinementStartLevel(uint8_t threshold);
uint8_t RefinementCap(uint8_t threshold);

std::optional<SpotHit> FindSpot(const CameraFrame& frame, const PixelRect& window,
                                uint8_t threshold, ScanRows rows);

// The bright-pixel presence test of the environment check: any pixel of the whole frame with
// green >= threshold.
bool BrightPixelPresentReference(const CameraFrame& frame, uint8_t threshold);
bool BrightPixelPresent(const CameraFrame& frame, uint8_t threshold);

}  // namespace halvertone
