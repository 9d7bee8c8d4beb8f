#pragma once
// The common first stage of the mouse, pen and eraser handlers: find the spot, take the
// centre of its box, test it against the ActiveRegion, and either read the screen position
// or classify the off-screen position.
#include <cstdint>

#include "calibration/screen_mapping.h"
#include "capture/camera_frame.h"
#include "tracking/spot_finder.h"

namespace halvertone {

struct SpotLocation {
    enum class Kind { kNone, kOutside, kInside };
    Kind kind = Kind::kNone;
    PixelPoint centre;             // camera pixels (found spots)
    PixelPoint screen;             // screen pixels (inside only)
    int32_t outsideClass = kOutsideNone;  // outside only
};

SpotLocation LocateSpot(const CameraFrame& frame, const ScreenMapping& mapping, uint8_t threshold,
                        ScanRows rows);

}  // namespace halvertone
