#pragma once
// The start operations behind the toolbar's tool buttons (only the tracking side: the
// toolbar's own showing, hiding and board handling are its business), and the stop and
// restart around a display change.
#include <cstdint>
#include <functional>

#include "base/shared_value.h"
#include "capture/frame_ring.h"
#include "platform/clock.h"
#include "tracking/toolbar_view.h"
#include "tracking/dispatch_flags.h"
#include "tracking/tool_workers.h"
#include "tracking/tracking_state.h"

namespace halvertone {

struct StartRow;

struct ToolStarterContext {
    DispatchFlags& flags;
    TrackingState& state;
    SharedValue<int32_t>& toolMode;  // the toolbar's ToolMode
    ToolWorkers& workers;
    FrameRing& ring;
    Clock& clock;
};

class ToolStarter {
  public:
    static constexpr uint32_t kDisplayChangeWaitMs = 300;

    explicit ToolStarter(const ToolStarterContext& context) : c_(context) {}

    void StartMouse();
    // The toolbar's pen start runs the pen worker at the highest thread priority.
    void StartPen();
    void StartEraser();
    // A ToolMode value; anything else starts nothing.
    void Start(int32_t toolMode);

    // Stops every tool before the table is rebuilt: all dispatch flags clear (which also ends
    // a calibration), no open press or gesture, then 300 ms for the workers to finish their
    // frame.
    void StopForDisplayChange();
    // Stop, rebuild the screen metrics and table, and let the toolbar restart its tool.
    void DisplayChange(const std::function<void()>& rebuild, ToolbarView& toolbar);

  private:
    void Run(const StartRow& row);

    ToolStarterContext c_;
};

}  // namespace halvertone
