// The ring between the camera's streaming thread and the worker in charge: order, blocking,
// and what happens to frames that do not fit.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "capture/frame_ring.h"

namespace halvertone {
namespace {

std::vector<uint8_t> Frame(uint8_t tag, size_t size = kFrameBytes) { return std::vector<uint8_t>(size, tag); }

void Push(FrameRing& ring, const std::vector<uint8_t>& f) {
    ASSERT_EQ(ring.BufferCB(f.data(), static_cast<long>(f.size())), kSOk);
}

TEST(FrameRing, DropsEverythingUntilAToolAcceptsFramesButNotesArrival) {
    FrameRing ring;
    const auto f = Frame(1);
    for (int i = 0; i < 10; ++i) Push(ring, f);  // would block on the third if it took them
    EXPECT_TRUE(ring.FrameArrived());
    EXPECT_EQ(ring.SlotLength(), 0) << "nothing may be allocated before a tool starts";
    EXPECT_TRUE(ring.TakeFrameArrived());
    EXPECT_FALSE(ring.FrameArrived());
}

TEST(FrameRing, EmptyAndNullBuffers) {
    FrameRing ring;
    ring.AcceptFrames();
    EXPECT_EQ(ring.BufferCB(nullptr, 0), kSOk);
    EXPECT_TRUE(ring.TakeFrameArrived());
    EXPECT_EQ(ring.BufferCB(nullptr, 100), kEPointer);
    EXPECT_TRUE(ring.FrameArrived()) << "every callback notes arrival, whatever becomes of the frame";
    EXPECT_EQ(ring.SlotLength(), 0);
    EXPECT_EQ(ring.WriteIndex(), 0);
}

TEST(FrameRing, FramesComeOutOldestFirstAndIndexesWrap) {
    FrameRing ring;
    ring.AcceptFrames();
    for (uint8_t tag = 1; tag <= 5; ++tag) {
        Push(ring, Frame(tag));
        const TakenFrame t = ring.Take();
        ASSERT_TRUE(t);
        EXPECT_TRUE(t.IsFullFrame());
        EXPECT_EQ(t.bytes[0], tag);
        EXPECT_EQ(t.bytes[kFrameBytes - 1], tag);
        ring.GiveBack();
        EXPECT_EQ(ring.ReadIndex(), ring.WriteIndex()) << "the read index follows the write index";
    }
}

TEST(FrameRing, ThirdFrameWaitsForAGiveBackThenLandsInSlotZero) {
    FrameRing ring;
    ring.AcceptFrames();
    Push(ring, Frame(1));
    Push(ring, Frame(2));
    EXPECT_EQ(ring.WriteIndex(), 0);

    std::atomic<bool> thirdDone{false};
    std::thread producer([&] {
        const auto f = Frame(3);
        ring.BufferCB(f.data(), static_cast<long>(f.size()));
        thirdDone = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(thirdDone) << "both slots are full: the producer must wait";

    const TakenFrame first = ring.Take();
    EXPECT_EQ(first.bytes[0], 1);
    const uint8_t* slot0 = first.bytes;
    ring.GiveBack();
    producer.join();
    EXPECT_TRUE(thirdDone);

    const TakenFrame second = ring.Take();
    EXPECT_EQ(second.bytes[0], 2);
    ring.GiveBack();
    const TakenFrame third = ring.Take();
    EXPECT_EQ(third.bytes, slot0) << "the third frame goes into slot 0 again";
    EXPECT_EQ(third.bytes[0], 3);
    ring.GiveBack();
}

TEST(FrameRing, AFrameOfAnotherSizeIsDroppedAndCounted) {
    FrameRing ring;
    ring.AcceptFrames();
    Push(ring, Frame(1, 1000));  // the first accepted frame fixes the slot size
    EXPECT_EQ(ring.SlotLength(), 1000);
    Push(ring, Frame(2, 5000));  // longer: would overrun the slot
    Push(ring, Frame(3, 10));    // shorter
    EXPECT_EQ(ring.WrongSizeDrops(), 2u);
    const TakenFrame t = ring.Take();
    EXPECT_EQ(t.bytes[0], 1);
    EXPECT_FALSE(t.IsFullFrame()) << "a 1000-byte slot cannot be scanned as a 640 x 480 frame";
    ring.GiveBack();
    EXPECT_EQ(ring.BufferCB(Frame(4, 10).data(), -5), kSOk);
    EXPECT_EQ(ring.WrongSizeDrops(), 3u);
}

TEST(FrameRing, ShutdownReleasesABlockedProducerAndConsumer) {
    FrameRing ring;
    ring.AcceptFrames();
    std::thread consumer([&] { EXPECT_FALSE(ring.Take()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ring.Shutdown();
    consumer.join();
    // A producer arriving after shutdown does not block either.
    Push(ring, Frame(1));
    Push(ring, Frame(1));
    Push(ring, Frame(1));
}

TEST(FrameRing, ProducerAndConsumerThreadsKeepEveryFrameInOrder) {
    FrameRing ring;
    ring.AcceptFrames();
    constexpr int kFrames = 200;
    std::thread producer([&] {
        std::vector<uint8_t> f(kFrameBytes);
        for (int i = 0; i < kFrames; ++i) {
            f[0] = static_cast<uint8_t>(i);
            f[kFrameBytes - 1] = static_cast<uint8_t>(i);
            ring.BufferCB(f.data(), static_cast<long>(f.size()));
        }
    });
    for (int i = 0; i < kFrames; ++i) {
        const TakenFrame t = ring.Take();
        ASSERT_TRUE(t);
        EXPECT_EQ(t.bytes[0], static_cast<uint8_t>(i));
        EXPECT_EQ(t.bytes[kFrameBytes - 1], static_cast<uint8_t>(i)) << "frame torn by the producer";
        ring.GiveBack();
    }
    producer.join();
}

}  // namespace
}  // namespace halvertone
