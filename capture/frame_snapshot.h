#pragma once
// A copy of the newest camera frame for the camera view, taken at a low rate on the camera's
// streaming thread. The frame path never waits for the view: while the view is reading the
// slot, or before the interval has passed, a frame simply is not copied.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "capture/frame_ring.h"
#include "platform/clock.h"

namespace halvertone {

class FrameSnapshot {
  public:
    // 150 ms between copies: about 7 pictures a second, enough to aim the camera by.
    static constexpr uint32_t kDefaultIntervalMs = 150;

    explicit FrameSnapshot(const Clock& clock, uint32_t intervalMs = kDefaultIntervalMs)
        : clock_(clock), intervalMs_(intervalMs) {}

    // Copies are made only while someone looks.
    void SetWanted(bool wanted) { wanted_.store(wanted); }
    bool Wanted() const { return wanted_.load(); }

    // The producer's side, after the frame went into the ring. Only whole 640 x 480 frames
    // are kept; `copy` turns the picture as the trackers see it.
    void Offer(const uint8_t* bytes, long length, FrameCopy copy);

    // Copies the newest frame into `out` (resized to a whole frame) and returns its number,
    // counting from 1; 0 with `out` untouched while none was kept yet.
    uint64_t Read(std::vector<uint8_t>& out) const;

  private:
    const Clock& clock_;
    const uint32_t intervalMs_;
    std::atomic<bool> wanted_{false};
    std::atomic<uint64_t> nextCopyMs_{0};  // only the producer touches it
    mutable std::mutex mutex_;
    std::vector<uint8_t> slot_;  // under mutex_
    uint64_t number_ = 0;        // under mutex_
};

// What the camera view shows about the frame path over one period.
struct FrameFigures {
    double cameraPerSecond = 0;   // frames the camera handed over
    double trackedPerSecond = 0;  // frames the trackers took
    double msPerFrame = 0;        // trackers' time per taken frame
    uint64_t lost = 0;            // since the program started
};

// From the ring's totals at the start and the end of a period of `elapsedMs` (nothing per
// second for an empty period).
FrameFigures FiguresBetween(const FrameCounts& before, const FrameCounts& now, uint64_t elapsedMs);

}  // namespace halvertone
