#pragma once
// Mouse mode: the light spot drives the system cursor. A spot appearing on the calibrated
// screen presses the left button at its screen position, a moving spot drags, a vanishing
// spot releases. A spot seen off the screen and then lost is an off-screen gesture. It is
// also the hand-over mode of the pen and eraser tools while the spot is over the toolbar.
#include <cstdint>

#include "base/settings.h"
#include "calibration/screen_mapping.h"
#include "capture/frame_ring.h"
#include "tracking/toolbar_view.h"
#include "platform/window_timer.h"
#include "tracking/dispatch_flags.h"
#include "tracking/mouse_output.h"
#include "tracking/tool_handler.h"
#include "tracking/tracking_state.h"

namespace halvertone {

class FrameLease;

struct MouseModeContext {
    FrameRing& ring;
    const ScreenMapping& mapping;
    const Settings& settings;
    TrackingState& state;
    DispatchFlags& flags;
    ToolbarView& toolbar;
    WindowTimer& mainWindowTimer;  // carries the hold timer
    MouseOutput out;
};

class MouseMode final : public ToolHandler {
  public:
    explicit MouseMode(const MouseModeContext& context) : c_(context) {}

    int OnFrame() override { return OnMouseFrame(); }
    // One frame of mouse mode; runs on the mouse worker with the tool-mode mutex held.
    int OnMouseFrame();

  private:
    int NoSpot();
    int Outside(int32_t outsideClass);
    int Inside(PixelPoint screen, FrameLease& lease);
    // Mouse mode keeps the spot while a toolbar action or popup runs, while the mouse is the
    // chosen tool, and while the spot is over the visible toolbar.
    bool StaysInCharge(PixelPoint screen, int32_t tool) const;
    // Hands the spot to the chosen drawing tool's worker.
    void HandToDrawingTool(int32_t tool);
    bool FarFromLastMove(PixelPoint screen) const;
    void GlidePress(PixelPoint screen, PixelPoint normalised);
    void QuickPress();

    MouseModeContext c_;
};

}  // namespace halvertone
