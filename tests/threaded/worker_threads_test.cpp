// The tool workers as real threads: hand-overs back and forth over the toolbar's edge create
// one worker per crossing and never two of one tool, every handler runs inside the tool-mode
// mutex, and racing tool starts never lose or double a worker.
#include <gtest/gtest.h>

#include <thread>

#include "doubles/joining_thread_starter.h"
#include "support/worker_rig.h"

namespace halvertone {
namespace {

using testing_support::kOffToolbarPixel;
using testing_support::kOnToolbarPixel;
using testing_support::OwnerLock;
using testing_support::TurnProbe;
using testing_support::WorkerRig;

class WorkerThreadsTest : public ::testing::Test {
  protected:
    WorkerThreadsTest() {
        r.PlaceToolbar();
        r.m.toolbar.toolMode = kToolPen;
    }
    // Every worker ends: flags clear, blocked frame waits released, threads joined.
    ~WorkerThreadsTest() override {
        stopProducer = true;
        r.m.flags.ClearAll();
        r.m.ring.Shutdown();
        if (producer.joinable()) producer.join();
        threads.JoinAll();
    }
    void ExpectHandlersApart() const {
        EXPECT_EQ(probe.outsideLock, 0) << "a handler ran outside the tool-mode mutex";
        EXPECT_EQ(probe.overlaps, 0) << "two handlers ran at once";
        EXPECT_FALSE(probe.ThreadsComeBack(WorkerKind::kMouse)) << "two mouse workers took turns";
        EXPECT_FALSE(probe.ThreadsComeBack(WorkerKind::kPen)) << "two pen workers took turns";
    }

    sim::JoiningThreadStarter threads;
    OwnerLock lock;
    TurnProbe probe{&lock};
    WorkerRig r{threads, lock, &probe};
    std::thread producer;
    std::atomic<bool> stopProducer{false};
};

TEST_F(WorkerThreadsTest, EachCrossingOfTheToolbarEdgeStartsOneWorker) {
    r.starter.StartPen();
    ASSERT_EQ(threads.Started(WorkerKind::kPen), 1);
    EXPECT_EQ(threads.HighestPriorityStarts(), 1);
    constexpr int kCrossings = 24;
    for (int i = 0; i < kCrossings; ++i) {
        // Even frames reach the toolbar (pen hands to mouse), odd ones leave it (and back).
        r.m.PushSpotAtPixel(i % 2 == 0 ? kOnToolbarPixel : kOffToolbarPixel);
        ASSERT_TRUE(threads.WaitFinished(i + 1))
            << "crossing " << i << ": the old worker did not end";
        EXPECT_EQ(threads.Started(WorkerKind::kMouse), (i + 2) / 2) << i;
        EXPECT_EQ(threads.Started(WorkerKind::kPen), 1 + (i + 1) / 2) << i;
        EXPECT_EQ(threads.Alive(WorkerKind::kMouse) + threads.Alive(WorkerKind::kPen), 1) << i;
    }
    EXPECT_EQ(threads.HighestPriorityStarts(), 1) << "hand-over starts keep the normal priority";
    EXPECT_EQ(probe.Turns(), kCrossings);
    ExpectHandlersApart();
}

TEST_F(WorkerThreadsTest, FreeRunningCrossingsNeverLoseOrDoubleAWorker) {
    r.starter.StartPen();
    constexpr int kFrames = 400;
    for (int i = 0; i < kFrames; ++i)
        r.m.PushSpotAtPixel(i % 3 == 0 ? kOnToolbarPixel : kOffToolbarPixel);
    r.m.PushNone();
    ASSERT_TRUE(probe.WaitTurns(kFrames + 1)) << "frames left unhandled: a worker went missing";
    EXPECT_GE(threads.Started(WorkerKind::kMouse), 1);
    EXPECT_LE(threads.StartedTotal(), kFrames + 1);
    ExpectHandlersApart();
}

TEST_F(WorkerThreadsTest, RacingToolStartsKeepExactlyOneWorkerOfTheChosenTool) {
    r.starter.StartMouse();
    producer = std::thread([&] {
        while (!stopProducer) r.m.PushNone();
    });
    for (int i = 0; i < 300; ++i) {
        if (i % 2 == 0)
            r.starter.StartPen();
        else
            r.starter.StartMouse();
        if (i % 16 == 0) std::this_thread::yield();
    }
    r.starter.StartMouse();
    const int turns = probe.Turns();
    ASSERT_TRUE(probe.WaitTurns(turns + 8))
        << "no worker takes frames after the last start; running mouse "
        << r.running.Running(WorkerKind::kMouse) << " pen " << r.running.Running(WorkerKind::kPen)
        << ", alive mouse " << threads.Alive(WorkerKind::kMouse) << " pen "
        << threads.Alive(WorkerKind::kPen) << ", flags " << r.m.flags.Mouse() << r.m.flags.Pen()
        << ", turns " << probe.Turns();
    stopProducer = true;
    EXPECT_TRUE(r.running.Running(WorkerKind::kMouse));
    EXPECT_TRUE(r.m.flags.Mouse());
    ExpectHandlersApart();
}

TEST_F(WorkerThreadsTest, ChoosingTheMouseTwiceCreatesNoSecondWorker) {
    r.m.toolbar.toolMode = kToolMouse;
    r.starter.StartMouse();
    r.starter.StartMouse();
    std::thread other([&] { r.starter.StartMouse(); });
    other.join();
    r.m.PushNone();
    ASSERT_TRUE(probe.WaitTurns(1));
    EXPECT_EQ(threads.Started(WorkerKind::kMouse), 1);
}

}  // namespace
}  // namespace halvertone
