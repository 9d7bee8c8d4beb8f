#pragma once
// The main window's per-frame tracking state, shared by the mouse, pen and eraser handlers
// (which the tool-mode mutex keeps from running at once). The flags are also read or cleared
// on the interface thread (hold timer, tool starts, display change), so they are atomic.
#include <cstdint>

#include "base/pixel_rect.h"
#include "base/shared_value.h"
#include "calibration/outside_zones.h"

namespace halvertone {

struct TrackingState {
    // The left button is held (mouse mode) or a stroke is open (pen, eraser).
    SharedValue<bool> penDown{false};
    // Normalised position of the spot in the latest frame handled inside the screen.
    PixelPoint lastTarget{};
    // Screen position of the latest move sent because of distance.
    PixelPoint lastMovePos{};
    // The spot was seen off the calibrated screen while penDown was clear.
    SharedValue<bool> outside{false};
    SharedValue<int32_t> outsideClass{kOutsideNone};
    // Cursor position sampled by the hold timer (interface thread only).
    PixelPoint holdReference{};
    // Set when the mouse worker starts: its first press glides whatever the distance.
    SharedValue<bool> glideNextPress{false};
};

}  // namespace halvertone
