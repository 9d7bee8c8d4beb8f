#pragma once
// The environment check at start-up: while its mode is set, the mouse worker counts frames
// and frames with a bright pixel instead of moving the cursor. The first five frames never
// count as bright (the camera's exposure is still settling).
#include <atomic>
#include <cstdint>

namespace halvertone {

class CheckEnvironment {
  public:
    static constexpr uint16_t kSettlingFrames = 5;

    std::atomic<bool> mode{false};

    void Reset() {
        framesSeen_ = 0;
        brightFrames_ = 0;
    }
    // One frame taken by the mouse worker; the counters stop at their maximum.
    void CountFrame(bool bright) {
        const uint16_t seen = framesSeen_.load();
        if (seen != UINT16_MAX) framesSeen_.store(seen + 1);
        const uint16_t bright0 = brightFrames_.load();
        if (bright && seen + 1 > kSettlingFrames && bright0 != UINT16_MAX)
            brightFrames_.store(bright0 + 1);
    }
    uint16_t FramesSeen() const { return framesSeen_.load(); }
    uint16_t BrightFrames() const { return brightFrames_.load(); }

  private:
    // Written only by the mouse worker; reset and read by the interface thread.
    std::atomic<uint16_t> framesSeen_{0};
    std::atomic<uint16_t> brightFrames_{0};
};

}  // namespace halvertone
