#pragma once
// The handler of a tool that has no per-frame work yet: it takes each frame and gives it back
// at once, so a worker started for it keeps the ring moving instead of spinning.
#include "capture/frame_ring.h"
#include "tracking/tool_handler.h"

namespace halvertone {

class FrameDiscarder final : public ToolHandler {
  public:
    explicit FrameDiscarder(FrameRing& ring) : ring_(ring) {}
    int OnFrame() override {
        if (ring_.Take()) ring_.GiveBack();
        return 0;
    }

  private:
    FrameRing& ring_;
};

}  // namespace halvertone
