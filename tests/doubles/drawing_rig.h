#pragma once
// The pen and eraser handlers on simulated parts, in virtual time: real frames through a real
// FrameRing (see MouseRig), the real stroke machinery drawing on a simulated screen, a
// simulated eraser square and capture tool window. Used by tests, benchmarks and the ink
// replay of the diagnostics tool.
#include <cstdint>

#include "annotation/capture_tool_drawing.h"
#include "annotation/capture_tool_link.h"
#include "annotation/eraser_mode.h"
#include "annotation/live_stroke.h"
#include "annotation/pen_attributes.h"
#include "annotation/pen_mode.h"
#include "annotation/screen_context.h"
#include "annotation/stroke_recorder.h"
#include "doubles/sim_capture_tool_window.h"
#include "doubles/recording_eraser_window.h"
#include "doubles/sim_ink_canvas.h"
#include "doubles/sim_ink_toolbar.h"
#include "doubles/mouse_rig.h"

namespace halvertone::sim {

class DrawingRig {
  public:
    // A screen of the given size; the pen tool is in charge with the pen up.
    explicit DrawingRig(int32_t width = 1024, int32_t height = 768, SimInkOptions options = {});

    // Push one frame and hand it to the given handler.
    int Spot(ToolHandler& handler, int32_t x, int32_t y);
    int OffScreen(ToolHandler& handler, int32_t outsideClass);
    int NoSpot(ToolHandler& handler);

    // The toolbar window at `r`, shown.
    void ShowToolbar(const PixelRect& r);

    MouseRig rig;  // frames, mapping, settings, tracking state, flags, toolbar, clock
    SimInkCanvas canvas;
    SimInkToolbar inkToolbar{rig.clock};
    ScreenContext screen{canvas};
    PenAttributes pen;
    StrokeLists lists;
    SharedValue<bool> cleanPending{false};
    SharedValue<bool> boardToggle{false};
    CaptureToolState captureTool;
    StrokeRecorder recorder;
    LiveStroke live{screen, pen, rig.settings, recorder};
    RecordingEraserWindow eraserWindow;
    SimCaptureToolWindow captureToolWindow{rig.clock};
    PenMode penMode;
    EraserMode eraserMode;

  private:
    DrawingToolContext Context();
};

}  // namespace halvertone::sim
