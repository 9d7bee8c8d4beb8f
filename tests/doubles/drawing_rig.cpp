#include "doubles/drawing_rig.h"

#include "tracking/tool_mode.h"

namespace halvertone::sim {

DrawingRig::DrawingRig(int32_t width, int32_t height, SimInkOptions options)
    : canvas(width, height, 0x00FFFFFF, options),
      recorder(lists, cleanPending, inkToolbar,
               [this] {
                   return CaptureToolDrawing(rig.settings.captureToolFlag, boardToggle,
                                             captureTool.drawingState != 0 ? 1 : 0);
               }),
      penMode(Context(), PenStrokeParts{screen, pen, recorder, live}),
      eraserMode(Context(),
                 EraserParts{pen, recorder, eraserWindow, captureTool, captureToolWindow}) {
    rig.screen.Set(width, height);
    rig.flags.Select(WorkerKind::kPen);
    rig.toolbar.toolMode = kToolPen;
}

DrawingToolContext DrawingRig::Context() {
    return DrawingToolContext{rig.ring,
                              rig.mapping,
                              rig.settings,
                              rig.state,
                              rig.flags,
                              rig.toolbar,
                              MouseOutput{rig.input, rig.cursor, rig.screen, rig.clock}};
}

int DrawingRig::Spot(ToolHandler& handler, int32_t x, int32_t y) {
    rig.PushSpot(x, y);
    return handler.OnFrame();
}

int DrawingRig::OffScreen(ToolHandler& handler, int32_t outsideClass) {
    rig.PushOffScreen(outsideClass);
    return handler.OnFrame();
}

int DrawingRig::NoSpot(ToolHandler& handler) {
    rig.PushNone();
    return handler.OnFrame();
}

void DrawingRig::ShowToolbar(const PixelRect& r) {
    rig.toolbar.SetWindowRect(r);
    rig.toolbar.visible = true;
}

}  // namespace halvertone::sim
