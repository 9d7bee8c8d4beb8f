#include "annotation/pen_mode.h"

namespace halvertone {

void PenMode::ResetForToolStart() {
    lastAccepted_ = PixelPoint{};
    lastSpot_ = PixelPoint{};
}

int PenMode::OnPenFrame() {
    FrameLease lease(c_.ring);
    if (!lease) return 0;
    const SpotLocation loc = LocateDrawingSpot(c_, lease);
    switch (loc.kind) {
        case SpotLocation::Kind::kNone:
            return NoSpot();
        case SpotLocation::Kind::kOutside:
            // With the pen down the stroke stays open and continues when the spot returns.
            NoteOutside(c_.state, loc.outsideClass);
            return 1;
        case SpotLocation::Kind::kInside:
            break;
    }
    lastSpot_ = loc.centre;
    c_.state.outside = false;
    return Inside(loc.screen, lease);
}

int PenMode::NoSpot() {
    if (c_.state.penDown) {
        const PixelPoint last = lastAccepted_;
        p_.live.AddLivePoint(1, last.x, last.y);
        p_.recorder.RecordPenStroke(3, 0, 0, 0, 0, 0);
        LiftPen();
    } else {
        OffScreenGestureIfFlagged(c_);
    }
    c_.state.outside = false;
    return 0;
}

bool PenMode::TakeScreen() {
    return p_.screen.Acquire(p_.pen.highlighter, p_.pen.Pen());
}

void PenMode::RecordBegin(PixelPoint p) {
    const PenAttributes& a = p_.pen;
    p_.recorder.RecordPenStroke(1, a.colour, a.width, a.highlighter ? 1 : 0, p.x, p.y);
}

void PenMode::RestartBuffer(PixelPoint p) {
    p_.live.Buffer().Reset();
    p_.live.AddLivePoint(0, p.x, p.y);
    lastAccepted_ = p;
}

void PenMode::LiftPen() {
    // Puts back exactly what the pen-down selected into the screen (highlighter pen and
    // raster operation), whatever the toolbar's flag says by now.
    p_.screen.Release();
    c_.state.penDown = false;
}

int PenMode::Inside(PixelPoint p, FrameLease& lease) {
    TrackingState& s = c_.state;
    if (!s.penDown) {
        if (OverVisibleToolbar(c_.toolbar, p)) {
            HandOverToMouse(c_.flags, WorkerKind::kPen);
            return 1;
        }
        // A failed take still records the stroke; only its live drawing is lost.
        TakeScreen();
        s.penDown = true;
        RecordBegin(p);
        // The start dot moves p to its end, P + (1, 1), where the buffer then begins.
        p_.live.DrawStrokePiece(p, p, true);
        RestartBuffer(p);
        return 1;
    }
    if (OverVisibleToolbar(c_.toolbar, p)) {
        // Ends at once: the buffered tail stays in the record for the next redraw.
        p_.recorder.RecordPenStroke(3, 0, 0, 0, 0, 0);
        LiftPen();
        lease.GiveBack();
        HandOverToMouse(c_.flags, WorkerKind::kPen);
        return 1;
    }
    // A redraw took the screen away: the stroke goes on as a new one from here. Only a take
    // that succeeds begins one, so a screen that cannot be had does not split every frame.
    if (!p_.screen.Held() && TakeScreen()) {
        RecordBegin(p);
        RestartBuffer(p);
    }
    switch (p_.live.AddLivePoint(0, p.x, p.y)) {
        case kLiveAccepted:
            p_.recorder.RecordPenStroke(2, 0, 0, 0, p.x, p.y);
            lastAccepted_ = p;
            break;
        case kLiveJump:
            // The stroke breaks rather than drawing a long line across the jump.
            p_.recorder.RecordPenStroke(3, 0, 0, 0, 0, 0);
            RecordBegin(p);
            p_.live.DrawStrokePiece(p, p, true);
            lastAccepted_ = p;
            break;
        default:
            break;
    }
    return 1;
}

}  // namespace halvertone
