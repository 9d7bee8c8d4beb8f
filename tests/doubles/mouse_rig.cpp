#include "doubles/mouse_rig.h"

namespace halvertone::sim {

MouseRig::MouseRig() : MouseRig(input, cursor) {}

MouseRig::MouseRig(InputSink& sink, CursorPosition& cursorPort)
    : mouse(MouseModeContext{ring, mapping, settings, state, flags, toolbar, timers,
                             MouseOutput{sink, cursorPort, screen, clock}}),
      holdTimer(state, toolbar, sink, cursorPort) {
    const CalibrationGrid grid = Lattice();
    const auto ring16 = grid.OuterRing();
    mapping.activeRegion = PolygonRegion::FromPolygon(ring16);
    mapping.outsideZones.Build(grid);
    flags.Select(WorkerKind::kMouse);
}

CalibrationGrid MouseRig::Lattice() {
    CalibrationGrid g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) g.G(r, c) = {80 + 120 * c, 60 + 90 * r};
    g.G(1, 0) = {70, 150};
    g.G(2, 0) = {60, 240};
    g.G(3, 0) = {70, 330};
    return g;
}

PixelPoint MouseRig::OffScreenPixel(int32_t outsideClass) {
    switch (outsideClass) {
        case kOutsideTopBottom:
            return {320, 20};
        case kOutsideLeft:
            return {20, 240};
        case kOutsideRight:
            return {620, 240};
        default:
            // Left of the outline's top-left corner: below the top zone, right of the left
            // strip (which ends at the bulge's x = 60).
            return {70, 64};
    }
}

void MouseRig::PushSpotAtPixel(PixelPoint camera) {
    // A single saturated pixel at an even column and row: the spot's centre is that pixel.
    painter_.SetPixel(lit_.x, lit_.y, 0);
    painter_.SetPixel(camera.x, camera.y, 255);
    lit_ = camera;
    ring.AcceptFrames();
    ring.BufferCB(painter_.Bytes().data(), static_cast<long>(painter_.Bytes().size()));
}

void MouseRig::PushSpot(int32_t x, int32_t y) {
    mapping.Table().At(kSpotPixel.x, kSpotPixel.y) = {x, y};
    PushSpotAtPixel(kSpotPixel);
}

void MouseRig::PushOffScreen(int32_t outsideClass) {
    PushSpotAtPixel(OffScreenPixel(outsideClass));
}

void MouseRig::PushNone() {
    painter_.SetPixel(lit_.x, lit_.y, 0);
    lit_ = {-1, -1};
    ring.AcceptFrames();
    ring.BufferCB(painter_.Bytes().data(), static_cast<long>(painter_.Bytes().size()));
}

int MouseRig::SpotFrame(int32_t x, int32_t y) {
    PushSpot(x, y);
    return mouse.OnMouseFrame();
}

int MouseRig::OffScreenFrame(int32_t outsideClass) {
    PushOffScreen(outsideClass);
    return mouse.OnMouseFrame();
}

int MouseRig::NoSpotFrame() {
    PushNone();
    return mouse.OnMouseFrame();
}

}  // namespace halvertone::sim
