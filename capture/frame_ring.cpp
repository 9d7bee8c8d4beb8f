#include "capture/frame_ring.h"

#include <chrono>
#include <cstring>

#include "capture/frame_turn.h"

namespace halvertone {
namespace {

int64_t SteadyMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

FrameRing::FrameRing() = default;

int32_t FrameRing::BufferCB(const uint8_t* buffer, long length, FrameCopy copy) {
    frameArrived_.store(true);
    if (length == 0 || !accepting_.load()) return kSOk;
    arrived_.fetch_add(1, std::memory_order_relaxed);
    if (buffer == nullptr) return kEPointer;
    // A negative or absurd length can only be a broken driver; never allocate for it.
    if (length < 0 || length > static_cast<long>(16 * kFrameBytes)) {
        wrongSizeDrops_.fetch_add(1);
        return kSOk;
    }
    // Only the producer allocates, so the first accepted frame fixes the size once.
    if (slotLength_.load() == 0) {
        for (auto& slot : slots_) slot = std::make_unique<uint8_t[]>(static_cast<size_t>(length));
        slotLength_.store(static_cast<int32_t>(length));
    }
    if (length != slotLength_.load()) {
        wrongSizeDrops_.fetch_add(1);
        return kSOk;
    }
    if (!free_.Acquire()) {
        producerDrops_.fetch_add(1, std::memory_order_relaxed);
        return kSOk;
    }
    const int w = writeIndex_.load();
    uint8_t* slot = slots_[static_cast<size_t>(w)].get();
    if (copy == FrameCopy::kTurned180)
        CopyTurned180(slot, buffer, static_cast<size_t>(length));
    else
        std::memcpy(slot, buffer, static_cast<size_t>(length));
    writeIndex_.store(w ^ 1);
    std::lock_guard lock(ringLock_);
    filled_.Release(1);
    return kSOk;
}

TakenFrame FrameRing::Take() {
    if (!filled_.Acquire()) return {};
    taken_.fetch_add(1, std::memory_order_relaxed);
    takenAtMicros_.store(SteadyMicros(), std::memory_order_relaxed);
    return TakenFrame{slots_[static_cast<size_t>(readIndex_.load())].get(), slotLength_.load()};
}

void FrameRing::GiveBack() {
    // A measurement, not a wait: the figure only tells the user how busy the trackers are.
    const int64_t held = SteadyMicros() - takenAtMicros_.load(std::memory_order_relaxed);
    if (held > 0) busyMicros_.fetch_add(static_cast<uint64_t>(held), std::memory_order_relaxed);
    std::lock_guard lock(ringLock_);
    free_.Release(1);
    readIndex_.store(readIndex_.load() ^ 1);
}

FrameCounts FrameRing::Counts() const {
    return FrameCounts{arrived_.load(), wrongSizeDrops_.load() + producerDrops_.load(),
                       taken_.load(), busyMicros_.load()};
}

void FrameRing::StopProducer() {
    free_.Close();
}

void FrameRing::ReopenProducer() {
    std::lock_guard lock(ringLock_);
    if (!shutDown_) free_.Reopen();
}

void FrameRing::Shutdown() {
    std::lock_guard lock(ringLock_);
    shutDown_ = true;
    free_.Close();
    filled_.Close();
}

}  // namespace halvertone
