#include "capture/frame_snapshot.h"

#include <cstring>

#include "capture/frame_turn.h"

namespace halvertone {

void FrameSnapshot::Offer(const uint8_t* bytes, long length, FrameCopy copy) {
    if (!wanted_.load() || bytes == nullptr || length != static_cast<long>(kFrameBytes)) return;
    const uint64_t now = clock_.NowMs();
    if (now < nextCopyMs_.load(std::memory_order_relaxed)) return;
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock()) return;  // the view is reading: the next frame will do
    nextCopyMs_.store(now + intervalMs_, std::memory_order_relaxed);
    slot_.resize(kFrameBytes);
    if (copy == FrameCopy::kTurned180)
        CopyTurned180(slot_.data(), bytes, kFrameBytes);
    else
        std::memcpy(slot_.data(), bytes, kFrameBytes);
    ++number_;
}

uint64_t FrameSnapshot::Read(std::vector<uint8_t>& out) const {
    std::lock_guard lock(mutex_);
    if (number_ == 0) return 0;
    out.assign(slot_.begin(), slot_.end());
    return number_;
}

FrameFigures FiguresBetween(const FrameCounts& before, const FrameCounts& now, uint64_t elapsedMs) {
    FrameFigures f;
    f.lost = now.dropped;
    const uint64_t taken = now.taken - before.taken;
    if (taken != 0)
        f.msPerFrame = static_cast<double>(now.busyMicros - before.busyMicros) / 1000.0 /
                       static_cast<double>(taken);
    if (elapsedMs == 0) return f;
    const double seconds = static_cast<double>(elapsedMs) / 1000.0;
    f.cameraPerSecond = static_cast<double>(now.arrived - before.arrived) / seconds;
    f.trackedPerSecond = static_cast<double>(taken) / seconds;
    return f;
}

}  // namespace halvertone
