#pragma once
// The main window's hold timer: while a pressed spot keeps the cursor within 4 pixels of the
// position sampled at the previous tick, every tick sends a right-button release.
#include <cstdint>

#include "platform/cursor_position.h"
#include "platform/input_sink.h"
#include "tracking/toolbar_view.h"
#include "tracking/tracking_state.h"

namespace halvertone {

class HoldTimer {
  public:
    static constexpr uint32_t kId = 273;
    static constexpr uint32_t kPeriodMs = 400;

    HoldTimer(TrackingState& state, const ToolbarView& toolbar, InputSink& input,
              const CursorPosition& cursor)
        : state_(state), toolbar_(toolbar), input_(input), cursor_(cursor) {}

    // Runs on the interface thread at every tick of timer kId.
    void Tick();

  private:
    TrackingState& state_;
    const ToolbarView& toolbar_;
    InputSink& input_;
    const CursorPosition& cursor_;
};

}  // namespace halvertone
