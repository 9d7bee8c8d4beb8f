#pragma once
// Eraser mode: a light-green square follows the spot; the windows it uncovers repaint and so
// wipe the strokes painted there. Its path is recorded as an eraser stroke so that a redraw
// erases the same areas again. Over the visible toolbar it hands over to mouse emulation.
#include <cstdint>

#include "annotation/capture_tool_link.h"
#include "annotation/drawing_tool.h"
#include "annotation/pen_attributes.h"
#include "annotation/stroke_recorder.h"
#include "platform/capture_tool_window.h"
#include "annotation/eraser_window.h"
#include "tracking/tool_handler.h"

namespace halvertone {

struct EraserParts {
    const PenAttributes& pen;  // its width is the toolbar's width setting
    StrokeRecorder& recorder;
    EraserWindow& window;
    const CaptureToolState& captureTool;
    CaptureToolWindow& captureToolWindow;
};

// Jumps longer than this on either axis get an intermediate square at the midpoint.
inline constexpr int32_t kEraserStepPixels = 20;
// The pause after the square is destroyed at pen up, before the capture tool is told.
inline constexpr uint32_t kEraserLiftPauseMs = 100;

class EraserMode final : public ToolHandler {
  public:
    EraserMode(const DrawingToolContext& context, const EraserParts& parts)
        : c_(context), p_(parts) {}

    int OnFrame() override { return OnEraserFrame(); }
    // One frame of eraser mode; runs on the eraser worker with the tool-mode mutex held.
    int OnEraserFrame();

  private:
    int NoSpot();
    int Inside(PixelPoint p, FrameLease& lease);
    // A new eraser stroke at p with the toolbar's width setting, and its square shown there.
    void BeginStroke(PixelPoint p);
    // The square to q and painted at once; a square that is gone begins a new stroke at p.
    void WindowSteps(PixelPoint q, PixelPoint p);
    void Step(PixelPoint q, PixelPoint p);
    // The square goes at pen up; a capture tool drawing on its board is told around it.
    void DestroyAtLift();
    void TellCaptureTool(intptr_t value);

    DrawingToolContext c_;
    EraserParts p_;
    PixelPoint lastAccepted_{};
};

// The midpoint of a jump from `from` to `to`, each half truncated toward zero.
PixelPoint EraserMidpoint(PixelPoint from, PixelPoint to);

}  // namespace halvertone
