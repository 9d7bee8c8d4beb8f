#pragma once
// Two frame slots between the camera's streaming thread (producer) and the one tool worker
// in charge (consumer). A frame is never overwritten while a handler reads it: when the
// handlers are slower than the camera, the producer waits for a free slot.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "capture/bounded_semaphore.h"
#include "capture/camera_frame.h"

namespace halvertone {

inline constexpr int32_t kSOk = 0;
inline constexpr int32_t kEPointer = static_cast<int32_t>(0x80004003u);

// A slot taken by a consumer; `length` is the slot size fixed by the first accepted frame.
struct TakenFrame {
    const uint8_t* bytes = nullptr;
    int32_t length = 0;

    explicit operator bool() const { return bytes != nullptr; }
    // Only full 640 x 480 x 3 frames can be scanned and mapped.
    bool IsFullFrame() const { return length == static_cast<int32_t>(kFrameBytes); }
    CameraFrame View() const { return CameraFrame{bytes}; }
};

// Running totals of the ring since it was made, for the camera view's figures.
struct FrameCounts {
    uint64_t arrived = 0;     // frames the camera handed over
    uint64_t dropped = 0;     // arrived but never copied into a slot (wrong size, producer let go)
    uint64_t taken = 0;       // slots the trackers took
    uint64_t busyMicros = 0;  // time the trackers held their slots
};

// How the producer puts a frame into its slot: as it is, or turned by 180 degrees on the way
// (a ceiling mounting with a camera that cannot turn its own picture).
enum class FrameCopy : uint8_t { kAsIs, kTurned180 };

class FrameRing {
  public:
    FrameRing();

    // The producer step of the grabber callback (returns S_OK or E_POINTER).
    int32_t BufferCB(const uint8_t* buffer, long length, FrameCopy copy = FrameCopy::kAsIs);

    // Waits without limit for a filled slot; an empty TakenFrame when the wait failed
    // (the ring was shut down). Give it back exactly once after a successful take.
    TakenFrame Take();
    void GiveBack();

    // Set by every tool start; nothing sets it back.
    void AcceptFrames() { accepting_.store(true); }
    bool AcceptingFrames() const { return accepting_.load(); }

    // Set by every callback; read and cleared by the camera watchdog.
    bool FrameArrived() const { return frameArrived_.load(); }
    // Returns the previous value and clears the flag.
    bool TakeFrameArrived() { return frameArrived_.exchange(false); }
    void ClearFrameArrived() { frameArrived_.store(false); }

    // Lets go of the producer before its graph is torn down (tearing a graph down waits for
    // the streaming thread to leave the callback): a producer waiting for a free slot returns
    // at once, and every later frame is dropped until ReopenProducer. Consumers and frames
    // already in the ring are untouched.
    void StopProducer();
    // Frames are taken in again; nothing after Shutdown.
    void ReopenProducer();

    // Releases a producer or consumer blocked in a wait; later waits fail at once, for good.
    void Shutdown();

    // Frames whose length differed from the slot size: dropped, never copied.
    uint64_t WrongSizeDrops() const { return wrongSizeDrops_.load(); }
    int32_t SlotLength() const { return slotLength_.load(); }
    FrameCounts Counts() const;
    int ReadIndex() const { return readIndex_.load(); }
    int WriteIndex() const { return writeIndex_.load(); }

  private:
    std::array<std::unique_ptr<uint8_t[]>, 2> slots_;
    std::atomic<int32_t> slotLength_{0};
    std::atomic<int> writeIndex_{0};
    std::atomic<int> readIndex_{0};
    BoundedSemaphore free_{2, 2};
    BoundedSemaphore filled_{0, 2};
    std::mutex ringLock_;
    bool shutDown_ = false;  // under ringLock_
    std::atomic<bool> accepting_{false};
    std::atomic<bool> frameArrived_{false};
    std::atomic<uint64_t> wrongSizeDrops_{0};
    std::atomic<uint64_t> arrived_{0};
    std::atomic<uint64_t> producerDrops_{0};
    std::atomic<uint64_t> taken_{0};
    std::atomic<uint64_t> busyMicros_{0};
    // When the slot in the consumer's hands was taken, in steady-clock microseconds (atomic:
    // at a tool change the next take may come from another thread).
    std::atomic<int64_t> takenAtMicros_{0};
};

}  // namespace halvertone
