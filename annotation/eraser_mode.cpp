#include "annotation/eraser_mode.h"

#include <cstdlib>

#include "annotation/screen_draw_message.h"
#include "base/modal_ui.h"

namespace halvertone {

PixelPoint EraserMidpoint(PixelPoint from, PixelPoint to) {
    // Wide arithmetic: the halfway point always fits, the difference may not.
    const auto half = [](int32_t a, int32_t b) {
        return static_cast<int32_t>(a + (int64_t{b} - a) / 2);
    };
    return {half(from.x, to.x), half(from.y, to.y)};
}

int EraserMode::OnEraserFrame() {
    FrameLease lease(c_.ring);
    if (!lease) return 0;
    const SpotLocation loc = LocateDrawingSpot(c_, lease);
    switch (loc.kind) {
        case SpotLocation::Kind::kNone:
            return NoSpot();
        case SpotLocation::Kind::kOutside:
            NoteOutside(c_.state, loc.outsideClass);
            return 1;
        case SpotLocation::Kind::kInside:
            break;
    }
    c_.state.outside = false;
    return Inside(loc.screen, lease);
}

int EraserMode::NoSpot() {
    if (c_.state.penDown) {
        p_.recorder.RecordEraserStroke(3, 0, 0, 0);
        c_.state.penDown = false;
        if (p_.window.Exists()) DestroyAtLift();
    } else {
        OffScreenGestureIfFlagged(c_);
    }
    c_.state.outside = false;
    return 0;
}

void EraserMode::TellCaptureTool(intptr_t value) {
    const uintptr_t tool = p_.captureTool.window;
    if (p_.captureToolWindow.IsAlive(tool))
        p_.captureToolWindow.Send(tool, screen_draw::kDrawingState, value);
}

void EraserMode::DestroyAtLift() {
    TellCaptureTool(0);
    // The toolbar's stay-on-top timer keeps still while the square goes.
    ModalUiActive() = 1;
    p_.window.Destroy();
    c_.out.clock.SleepMs(kEraserLiftPauseMs);
    ModalUiActive() = 0;
    TellCaptureTool(1);
}

void EraserMode::BeginStroke(PixelPoint p) {
    const int32_t width = p_.pen.width;
    p_.recorder.RecordEraserStroke(1, width, p.x, p.y);
    // The square is created hidden at the corner, then placed and shown.
    p_.window.CreateEraserWindow(width);
    p_.window.MoveTo(p);
    p_.window.Show();
}

void EraserMode::WindowSteps(PixelPoint q, PixelPoint p) {
    if (!p_.window.Exists()) {
        BeginStroke(p);
    } else {
        p_.window.MoveTo(q);
    }
    p_.window.Repaint();
}

void EraserMode::Step(PixelPoint q, PixelPoint p) {
    p_.recorder.RecordEraserStroke(2, 0, q.x, q.y);
    WindowSteps(q, p);
}

int EraserMode::Inside(PixelPoint p, FrameLease& lease) {
    TrackingState& s = c_.state;
    if (!s.penDown) {
        if (OverVisibleToolbar(c_.toolbar, p)) {
            HandOverToMouse(c_.flags, WorkerKind::kEraser);
            return 1;
        }
        s.penDown = true;
        BeginStroke(p);
        lastAccepted_ = p;
        return 1;
    }
    if (OverVisibleToolbar(c_.toolbar, p)) {
        // The capture tool hears nothing of this: the spot only moved onto the toolbar.
        p_.recorder.RecordEraserStroke(3, 0, 0, 0);
        p_.window.Destroy();
        s.penDown = false;
        lease.GiveBack();
        HandOverToMouse(c_.flags, WorkerKind::kEraser);
        return 1;
    }
    // No thinning: every frame adds a square, even one that did not move.
    const PixelPoint l = lastAccepted_;
    if (std::llabs(int64_t{p.x} - l.x) > kEraserStepPixels ||
        std::llabs(int64_t{p.y} - l.y) > kEraserStepPixels)
        Step(EraserMidpoint(l, p), p);
    Step(p, p);
    lastAccepted_ = p;
    return 1;
}

}  // namespace halvertone
