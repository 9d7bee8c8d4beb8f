// The start operations and the worker procedures, run on the test thread: which flags a start
// sets, which worker it creates, how a worker hands over and ends, the environment check's
// counting, the calibration worker and the display change.
#include <gtest/gtest.h>

#include "support/mouse_expect.h"
#include "support/worker_rig.h"

namespace halvertone {
namespace {

using testing_support::Button;
using testing_support::kOffToolbarPixel;
using testing_support::kOnToolbarPixel;
using testing_support::Move;
using testing_support::RecordingStarter;
using testing_support::WorkerRig;

class ToolWorkersTest : public ::testing::Test {
  protected:
    ToolWorkersTest() {
        r.workers.SetBeforeWorkerStart([this] { ++segmentResets; });
        r.PlaceToolbar();
    }
    bool Flags(bool mouse, bool pen, bool eraser, bool calibration) const {
        const DispatchFlags& f = r.m.flags;
        return f.Mouse() == mouse && f.Pen() == pen && f.Eraser() == eraser &&
               f.Calibration() == calibration;
    }

    RecordingStarter threads;
    StdLockable lock;
    WorkerRig r{threads, lock};
    int segmentResets = 0;
};

TEST_F(ToolWorkersTest, MouseStartTakesChargeAndCreatesOneWorker) {
    r.m.state.penDown = true;
    r.m.state.outside = true;
    r.m.toolbar.toolMode = kToolPen;
    r.m.flags[WorkerKind::kPen] = true;
    r.m.flags[WorkerKind::kCalibration] = true;
    EXPECT_FALSE(r.m.ring.AcceptingFrames());
    r.starter.StartMouse();
    EXPECT_EQ(r.m.toolbar.toolMode, kToolMouse);
    EXPECT_TRUE(Flags(true, false, false, false));
    EXPECT_FALSE(r.m.state.penDown);
    EXPECT_FALSE(r.m.state.outside);
    EXPECT_EQ(r.pen.resets, 1) << "the pen handler's per-frame state is reset too";
    ASSERT_EQ(threads.starts.size(), 1u);
    EXPECT_EQ(threads.starts[0], std::make_pair(WorkerKind::kMouse, ThreadPriority::kNormal));
    EXPECT_TRUE(r.running.Running(WorkerKind::kMouse));
    EXPECT_EQ(segmentResets, 1);
    EXPECT_TRUE(r.m.ring.AcceptingFrames());

    r.starter.StartMouse();  // chosen again while its worker still runs
    EXPECT_EQ(threads.starts.size(), 1u);
    EXPECT_EQ(segmentResets, 1);
}

TEST_F(ToolWorkersTest, PenAndEraserStartsFollowTheirRows) {
    r.m.state.penDown = true;
    r.m.state.outside = true;
    r.starter.StartEraser();
    EXPECT_EQ(r.m.toolbar.toolMode, kToolEraser);
    EXPECT_TRUE(Flags(false, false, true, false));
    EXPECT_FALSE(r.m.state.penDown);
    EXPECT_TRUE(r.m.state.outside) << "the eraser start leaves the outside flag";
    EXPECT_EQ(r.eraser.resets, 1);

    r.starter.StartPen();
    EXPECT_EQ(r.m.toolbar.toolMode, kToolPen);
    EXPECT_TRUE(Flags(false, true, false, false));
    EXPECT_FALSE(r.m.state.outside);
    EXPECT_EQ(r.pen.resets, 1);
    ASSERT_EQ(threads.starts.size(), 2u);
    EXPECT_EQ(threads.starts[0], std::make_pair(WorkerKind::kEraser, ThreadPriority::kNormal));
    EXPECT_EQ(threads.starts[1], std::make_pair(WorkerKind::kPen, ThreadPriority::kHighest));

    r.starter.Start(0x8004);  // no tool
    EXPECT_EQ(r.m.toolbar.toolMode, kToolPen);
    EXPECT_EQ(threads.starts.size(), 2u);
}

TEST_F(ToolWorkersTest, AWorkerThatCouldNotBeCreatedIsNotCountedAsRunning) {
    threads.fail = true;
    r.starter.StartMouse();
    EXPECT_FALSE(r.running.Running(WorkerKind::kMouse));
    threads.fail = false;
    r.starter.StartMouse();
    EXPECT_EQ(threads.Count(WorkerKind::kMouse), 1);
}

TEST_F(ToolWorkersTest, AWorkerThatEndsAtOnceLeavesNoRunningFlagBehind) {
    // Its tool was switched away before the thread got going: it must not stay marked as
    // running, or the tool could never be started again.
    threads.runInline = true;
    r.workers.StartWorker(WorkerKind::kEraser);
    EXPECT_EQ(threads.Count(WorkerKind::kEraser), 1);
    EXPECT_FALSE(r.running.Running(WorkerKind::kEraser));
    r.workers.StartWorker(WorkerKind::kEraser);
    EXPECT_EQ(threads.Count(WorkerKind::kEraser), 2);
}

TEST(WorkerRunning, AWorkerFlaggedAgainWhileEndingKeepsRunning) {
    WorkerRunning running;
    std::atomic<bool> dispatch{true};
    ASSERT_TRUE(running.Claim(WorkerKind::kPen));
    EXPECT_FALSE(running.Claim(WorkerKind::kPen)) << "nobody creates a running worker";
    EXPECT_TRUE(running.ReleaseUnlessFlagged(WorkerKind::kPen, dispatch));
    EXPECT_TRUE(running.Running(WorkerKind::kPen));
    dispatch = false;
    EXPECT_FALSE(running.ReleaseUnlessFlagged(WorkerKind::kPen, dispatch));
    EXPECT_FALSE(running.Running(WorkerKind::kPen));
    EXPECT_FALSE(running.Running(WorkerKind::kMouse));
}

TEST_F(ToolWorkersTest, DisplayChangeStopsEverythingWaitsRebuildsAndRestartsTheTool) {
    r.starter.StartPen();
    r.m.state.penDown = true;
    r.m.state.outside = true;
    r.m.flags[WorkerKind::kCalibration] = true;
    const uint64_t t0 = r.m.clock.NowMs();
    bool rebuilt = false;
    r.starter.DisplayChange(
        [&] {
            rebuilt = true;
            EXPECT_TRUE(Flags(false, false, false, false)) << "readers stopped before the rebuild";
            EXPECT_FALSE(r.m.state.penDown);
            EXPECT_FALSE(r.m.state.outside);
            EXPECT_EQ(r.m.clock.NowMs(), t0 + 300);
        },
        r.m.toolbar);
    EXPECT_TRUE(rebuilt);
    EXPECT_EQ(r.m.toolbar.SelectedTools(), (std::vector<int32_t>{kCurrentTool}));
    EXPECT_TRUE(Flags(false, true, false, false));
    EXPECT_EQ(threads.Count(WorkerKind::kPen), 1) << "the pen worker still runs: none created";
}

TEST_F(ToolWorkersTest, MouseWorkerGlidesFirstThenHandsOverToThePenWorkerAndEnds) {
    r.m.toolbar.toolMode = kToolPen;
    r.m.flags.Select(WorkerKind::kMouse);
    ASSERT_TRUE(r.running.Claim(WorkerKind::kMouse));
    r.m.state.lastMovePos = {20, 300};
    r.m.cursor.Set({20, 300});
    r.m.PushSpotAtPixel(kOnToolbarPixel);
    r.m.PushSpotAtPixel(kOffToolbarPixel);
    r.workers.RunMouseWorker();
    const auto sent = r.m.input.Plain();
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(sent[0], Move(20, 300)) << "the first press after the start glides";
    EXPECT_EQ(sent[sent.size() - 3], Button(kMouseLeftDown));
    EXPECT_EQ(sent[sent.size() - 2], Move(600, 300));
    EXPECT_EQ(sent[sent.size() - 1], Button(kMouseLeftUp));
    EXPECT_EQ(threads.Count(WorkerKind::kPen), 1);
    EXPECT_TRUE(r.running.Running(WorkerKind::kPen));
    EXPECT_FALSE(r.running.Running(WorkerKind::kMouse));
    EXPECT_TRUE(Flags(false, true, false, false));
}

TEST_F(ToolWorkersTest, PenWorkerHandsBackOverTheToolbarAndEnds) {
    r.m.flags.Select(WorkerKind::kPen);
    ASSERT_TRUE(r.running.Claim(WorkerKind::kPen));
    r.m.PushSpotAtPixel(kOffToolbarPixel);
    r.m.PushSpotAtPixel(kOnToolbarPixel);
    r.workers.RunPenWorker();
    EXPECT_EQ(threads.Count(WorkerKind::kMouse), 1);
    EXPECT_EQ(segmentResets, 1);
    EXPECT_FALSE(r.running.Running(WorkerKind::kPen));
    EXPECT_TRUE(Flags(true, false, false, false));
    EXPECT_EQ(r.m.ring.ReadIndex(), 0) << "both frames taken and given back";
}

TEST_F(ToolWorkersTest, EnvironmentCheckCountsFramesInsteadOfMovingTheCursor) {
    r.checkEnvironment.mode = true;
    r.m.settings.checkEnvThreshold = 200;
    for (int i = 0; i < 7; ++i) {
        if (i == 6)
            r.m.PushNone();
        else
            r.m.PushSpot(300, 300);  // a 255 pixel
        r.workers.MouseTurn();
    }
    EXPECT_EQ(r.checkEnvironment.FramesSeen(), 7);
    EXPECT_EQ(r.checkEnvironment.BrightFrames(), 1) << "frames 1 to 5 never count, frame 7 is dark";
    EXPECT_TRUE(r.m.input.Records().empty());
    EXPECT_FALSE(r.m.state.penDown);

    r.checkEnvironment.Reset();
    r.m.settings.checkEnvThreshold = 0;  // everything is bright
    for (int i = 0; i < 6; ++i) {
        r.m.PushNone();
        r.workers.MouseTurn();
    }
    EXPECT_EQ(r.checkEnvironment.BrightFrames(), 1) << "from the sixth frame on";

    r.checkEnvironment.mode = false;
    r.m.PushSpot(300, 300);
    r.workers.MouseTurn();
    EXPECT_TRUE(r.m.state.penDown) << "mouse mode again";
}

TEST(CheckEnvironment, CountersStopAtTheirMaximum) {
    CheckEnvironment check;
    for (int i = 0; i < 70000; ++i) check.CountFrame(true);
    EXPECT_EQ(check.FramesSeen(), UINT16_MAX);
    EXPECT_EQ(check.BrightFrames(), UINT16_MAX);
}

class ScriptedCalibration final : public CalibrationRun {
  public:
    void RepaintDesktop() override { ++repaints; }
    bool Done() const override { return turns >= doneAfter; }
    void Turn() override {
        ++turns;
        if (onTurn) onTurn();
    }
    int repaints = 0;
    int turns = 0;
    int doneAfter = 3;
    std::function<void()> onTurn;
};

TEST_F(ToolWorkersTest, CalibrationWorkerRunsUntilDoneAndRestartsTheChosenTool) {
    r.m.toolbar.toolMode = kToolEraser;
    r.m.flags.Select(WorkerKind::kCalibration);
    ScriptedCalibration run;
    ASSERT_TRUE(r.workers.StartCalibrationWorker(run));
    EXPECT_EQ(threads.Count(WorkerKind::kCalibration), 1);
    r.workers.RunCalibrationWorker(run);
    EXPECT_EQ(run.turns, 3);
    EXPECT_EQ(run.repaints, 2);
    EXPECT_TRUE(Flags(false, false, true, false));
    EXPECT_EQ(threads.Count(WorkerKind::kEraser), 1);

    // A cleared dispatch flag (display change, tool button) ends a run early.
    ScriptedCalibration stopped;
    stopped.doneAfter = 100;
    r.m.flags.Select(WorkerKind::kCalibration);
    stopped.onTurn = [&] { r.m.flags[WorkerKind::kCalibration] = false; };
    r.workers.RunCalibrationWorker(stopped);
    EXPECT_EQ(stopped.turns, 1);
}

}  // namespace
}  // namespace halvertone
