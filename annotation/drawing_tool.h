#pragma once
// What the pen and eraser handlers share: the frame and the spot (with the drawing tools' row
// limit), the off-screen gesture while the pen is up, the toolbar test and the hand-over to
// mouse emulation while the spot is over the toolbar.
#include <cstdint>

#include "base/settings.h"
#include "calibration/screen_mapping.h"
#include "capture/frame_ring.h"
#include "tracking/toolbar_view.h"
#include "tracking/dispatch_flags.h"
#include "tracking/frame_lease.h"
#include "tracking/mouse_output.h"
#include "tracking/spot_locator.h"
#include "tracking/tracking_state.h"

namespace halvertone {

struct DrawingToolContext {
    FrameRing& ring;
    const ScreenMapping& mapping;
    const Settings& settings;
    TrackingState& state;
    DispatchFlags& flags;
    ToolbarView& toolbar;
    MouseOutput out;  // for the off-screen gesture
};

// The spot of a taken frame; a slot that does not hold a full frame counts as no spot.
SpotLocation LocateDrawingSpot(const DrawingToolContext& c, const FrameLease& lease);

// A spot off the calibrated screen: remembered for the gesture only while the pen is up.
void NoteOutside(TrackingState& state, int32_t outsideClass);

// No spot with the pen up: the gesture when the spot was last seen off the screen in a zone
// (not class 2). The outside flag is cleared either way.
void OffScreenGestureIfFlagged(const DrawingToolContext& c);

bool OverVisibleToolbar(const ToolbarView& toolbar, PixelPoint screen);

// Mouse emulation takes over; the drawing tool's worker ends after this turn.
inline void HandOverToMouse(DispatchFlags& flags, WorkerKind from) {
    flags.HandOver(from, WorkerKind::kMouse);
}

}  // namespace halvertone
