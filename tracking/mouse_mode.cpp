#include "tracking/mouse_mode.h"

#include <algorithm>

#include "tracking/tool_mode.h"
#include "tracking/frame_lease.h"
#include "tracking/glide.h"
#include "tracking/hold_timer.h"
#include "tracking/off_screen_action.h"
#include "tracking/spot_locator.h"

namespace halvertone {

int MouseMode::OnMouseFrame() {
    FrameLease lease(c_.ring);
    if (!lease) return 0;
    // Only full 640 x 480 frames can be scanned and mapped; anything else counts as no spot.
    SpotLocation loc;
    if (lease.Frame().IsFullFrame())
        loc = LocateSpot(lease.Frame().View(), c_.mapping, c_.settings.threshold, ScanRows::kMouse);
    switch (loc.kind) {
        case SpotLocation::Kind::kNone:
            return NoSpot();
        case SpotLocation::Kind::kOutside:
            return Outside(loc.outsideClass);
        case SpotLocation::Kind::kInside:
            break;
    }
    return Inside(loc.screen, lease);
}

int MouseMode::NoSpot() {
    TrackingState& s = c_.state;
    if (s.penDown) {
        c_.out.Send(s.lastTarget, kMouseLeftUp);
        s.penDown = false;
    } else if (s.outside) {
        OffScreenAction(s.outsideClass, c_.out, c_.flags, c_.toolbar, c_.settings.operationMode);
    }
    s.outside = false;
    return 0;
}

int MouseMode::Outside(int32_t outsideClass) {
    // While pressed the button stays down and no gesture is recorded.
    if (!c_.toolbar.PopupOpen() && !c_.state.penDown) {
        c_.state.outside = true;
        c_.state.outsideClass = outsideClass;
    }
    return 1;
}

bool MouseMode::StaysInCharge(PixelPoint screen, int32_t tool) const {
    const ToolbarView& t = c_.toolbar;
    return t.ActionRunning() || t.PopupOpen() || tool == kToolMouse ||
           (t.Visible() && t.WindowRect().Contains(screen.x, screen.y));
}

void MouseMode::HandToDrawingTool(int32_t tool) {
    const WorkerKind next = tool == kToolPen ? WorkerKind::kPen : WorkerKind::kEraser;
    c_.flags.HandOver(WorkerKind::kMouse, next);
}

bool MouseMode::FarFromLastMove(PixelPoint screen) const {
    // Differences beyond 65536 pixels already exceed any 32-bit sensitivity; clamping them
    // keeps the squares from overflowing.
    const auto diff = [](int32_t a, int32_t b) {
        return std::clamp<int64_t>(int64_t{a} - b, -65536, 65536);
    };
    const int64_t dx = diff(screen.x, c_.state.lastMovePos.x);
    const int64_t dy = diff(screen.y, c_.state.lastMovePos.y);
    return dx * dx + dy * dy >= c_.settings.mouseSensitivity;
}

void MouseMode::GlidePress(PixelPoint screen, PixelPoint normalised) {
    c_.mainWindowTimer.Start(HoldTimer::kId, HoldTimer::kPeriodMs);
    c_.state.lastMovePos = screen;
    Glide(c_.out, screen, c_.settings.mouseDownMoveSpeed);
    c_.out.clock.SleepMs(1);
    c_.out.Send(normalised, kMouseMove);
    // Programs that only see the press without a settled cursor miss the target.
    c_.out.clock.SleepMs(100);
    c_.out.Button(kMouseLeftDown);
    c_.state.penDown = true;
    c_.state.glideNextPress = false;
}

void MouseMode::QuickPress() {
    // The button goes down where the cursor already is, so jitter does not move the press.
    c_.out.Send(c_.state.lastTarget, kMouseMove);
    c_.out.Button(kMouseLeftDown);
    c_.state.penDown = true;
}

int MouseMode::Inside(PixelPoint screen, FrameLease& lease) {
    TrackingState& s = c_.state;
    const PixelPoint normalised = c_.out.Normalise(screen.x, screen.y);
    // Read once: the interface thread may switch tools while this frame is handled.
    const int32_t tool = c_.toolbar.ToolMode();
    const bool inCharge = StaysInCharge(screen, tool);
    if (!s.penDown) {
        if (!inCharge) {
            // The drawing tool's worker continues with the stroke open.
            s.penDown = true;
            HandToDrawingTool(tool);
            return 1;
        }
        if (s.glideNextPress || FarFromLastMove(screen)) {
            GlidePress(screen, normalised);
        } else {
            QuickPress();
        }
    } else {
        if (!inCharge) {
            HandToDrawingTool(tool);
            lease.GiveBack();
            c_.out.Send(normalised, kMouseMove);
            c_.out.Button(kMouseLeftUp);
            s.penDown = false;
            return 1;
        }
        if (FarFromLastMove(screen)) {
            s.lastMovePos = screen;
            c_.out.Send(normalised, kMouseMove);
        }
    }
    s.lastTarget = normalised;
    return 1;
}

}  // namespace halvertone
