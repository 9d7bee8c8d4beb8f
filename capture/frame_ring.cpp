#include "capture/frame_ring.h"

#include <cstring>

#include "capture/frame_turn.h"

namespace halvertone {

FrameRing::FrameRing() = default;

int32_t FrameRing::BufferCB(const uint8_t* buffer, long length, FrameCopy copy) {
    frameArrived_.store(true);
    if (length == 0 || !accepting_.load()) return kSOk;
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
    if (!free_.Acquire()) return kSOk;
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
    return TakenFrame{slots_[static_cast<size_t>(readIndex_.load())].get(), slotLength_.load()};
}

void FrameRing::GiveBack() {
    std::lock_guard lock(ringLock_);
    free_.Release(1);
    readIndex_.store(readIndex_.load() ^ 1);
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
