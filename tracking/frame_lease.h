#pragma once
// A taken ring slot that is given back exactly once, on every path out of a handler.
#include "capture/frame_ring.h"

namespace halvertone {

class FrameLease {
  public:
    explicit FrameLease(FrameRing& ring) : ring_(ring), frame_(ring.Take()) {}
    ~FrameLease() { GiveBack(); }
    FrameLease(const FrameLease&) = delete;
    FrameLease& operator=(const FrameLease&) = delete;

    // False when the take failed: nothing to read and nothing to give back.
    explicit operator bool() const { return static_cast<bool>(frame_); }
    const TakenFrame& Frame() const { return frame_; }

    // Gives the slot back early (the frame must not be read afterwards).
    void GiveBack() {
        if (!frame_) return;
        frame_ = {};
        ring_.GiveBack();
    }

  private:
    FrameRing& ring_;
    TakenFrame frame_;
};

}  // namespace halvertone
