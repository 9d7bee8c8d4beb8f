#pragma once
// Pen drawing: the spot appearing on the screen puts the pen down, its movement draws and its
// disappearing lifts the pen. Positions go through the live stroke's thinning and Bezier
// pieces and into the stroke record; over the visible toolbar the pen hands over to mouse
// emulation so that the toolbar's buttons can be pressed.
#include <cstdint>

#include "annotation/drawing_tool.h"
#include "annotation/live_stroke.h"
#include "annotation/pen_attributes.h"
#include "annotation/screen_context.h"
#include "annotation/stroke_recorder.h"
#include "base/shared_value.h"
#include "tracking/tool_handler.h"

namespace halvertone {

struct PenStrokeParts {
    ScreenContext& screen;
    const PenAttributes& pen;  // the toolbar's current pen
    StrokeRecorder& recorder;
    LiveStroke& live;
};

class PenMode final : public ToolHandler {
  public:
    PenMode(const DrawingToolContext& context, const PenStrokeParts& parts)
        : c_(context), p_(parts) {}

    int OnFrame() override { return OnPenFrame(); }
    // The pen start forgets the last accepted point and the last spot.
    void ResetForToolStart() override;

    // One frame of pen drawing; runs on the pen worker with the tool-mode mutex held.
    int OnPenFrame();

    // Centre of the spot in the latest frame that had one on the calibrated screen (camera
    // pixels); the toolbar reads it.
    PixelPoint LastSpot() const { return lastSpot_; }
    PixelPoint LastAccepted() const { return lastAccepted_; }

  private:
    int NoSpot();
    int Inside(PixelPoint p, FrameLease& lease);
    // Takes the screen (with the highlighter pen when that mode is on); false when the screen
    // could not be had.
    bool TakeScreen();
    // Begins a stroke record at p with the toolbar's pen.
    void RecordBegin(PixelPoint p);
    // The buffer starts afresh at p.
    void RestartBuffer(PixelPoint p);
    void LiftPen();

    DrawingToolContext c_;
    PenStrokeParts p_;
    // Both are cleared by the tool start on the interface thread while the worker may run.
    SharedValue<PixelPoint> lastAccepted_{PixelPoint{}};
    SharedValue<PixelPoint> lastSpot_{PixelPoint{}};
};

}  // namespace halvertone
