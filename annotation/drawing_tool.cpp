#include "annotation/drawing_tool.h"

#include "calibration/outside_zones.h"
#include "tracking/off_screen_action.h"

namespace halvertone {

SpotLocation LocateDrawingSpot(const DrawingToolContext& c, const FrameLease& lease) {
    if (!lease.Frame().IsFullFrame()) return {};
    return LocateSpot(lease.Frame().View(), c.mapping, c.settings.threshold, ScanRows::kPenEraser);
}

void NoteOutside(TrackingState& state, int32_t outsideClass) {
    if (state.penDown) return;
    state.outside = true;
    state.outsideClass = outsideClass;
}

void OffScreenGestureIfFlagged(const DrawingToolContext& c) {
    TrackingState& s = c.state;
    if (s.outside && s.outsideClass != kOutsideNone)
        OffScreenAction(s.outsideClass, c.out, c.flags, c.toolbar, c.settings.operationMode);
    s.outside = false;
}

bool OverVisibleToolbar(const ToolbarView& toolbar, PixelPoint screen) {
    return toolbar.Visible() && toolbar.WindowRect().Contains(screen.x, screen.y);
}

}  // namespace halvertone
