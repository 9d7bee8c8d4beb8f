// Pen drawing frame by frame: pen down and up, the stroke record, what is drawn live, the
// hand-over over the toolbar and a redraw taking the screen in the middle of a stroke.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "doubles/drawing_rig.h"
#include "support/worker_rig.h"
#include "tracking/tool_workers.h"

namespace halvertone {
namespace {

using Points = std::vector<PixelPoint>;

class PenModeTest : public ::testing::Test {
  protected:
    int Spot(int32_t x, int32_t y) { return r.Spot(r.penMode, x, y); }
    int None() { return r.NoSpot(r.penMode); }
    std::vector<StrokeEntry> Strokes() const { return r.lists.DesktopStrokes.Entries(); }
    Points StrokePoints(size_t i) const { return Strokes().at(i).Points(); }
    size_t LiveDrawings() const {
        return r.canvas.Count(sim::InkOp::kBeziers) + r.canvas.Count(sim::InkOp::kTautCurve);
    }

    sim::DrawingRig r;
};

TEST_F(PenModeTest, TapRecordsTheSpotAndItsDiagonalNeighbourThenLetsGoOfTheScreen) {
    r.pen.colour = 0x123456;
    r.pen.width = 7;
    EXPECT_EQ(Spot(200, 150), 1);
    EXPECT_TRUE(r.rig.state.penDown);
    EXPECT_EQ(r.canvas.OpenScreens(), 1);
    EXPECT_EQ(None(), 0);

    const auto strokes = Strokes();
    ASSERT_EQ(strokes.size(), 1u);
    const auto& pen = std::get<PenStrokeData>(strokes[0].data);
    EXPECT_EQ(pen.colour, 0x123456u);
    EXPECT_EQ(pen.width, 7);
    EXPECT_EQ(pen.points, (Points{{200, 150}, {201, 151}}));
    EXPECT_FALSE(r.rig.state.penDown);
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
    EXPECT_TRUE(r.rig.flags.Pen());
}

// A degenerate lattice leaves entries at the 32-bit limits: the stroke holds them far off the
// screen instead of overflowing when it adds the first point's neighbour.
TEST_F(PenModeTest, EntriesAtTheIntegerLimitsDrawFarOffTheScreen) {
    Spot(INT32_MAX, INT32_MIN);
    None();
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(StrokePoints(0), (Points{{kScreenPositionLimit, -kScreenPositionLimit},
                                       {kScreenPositionLimit + 1, 1 - kScreenPositionLimit}}));
}

TEST_F(PenModeTest, SpotWanderingOffTheScreenKeepsTheStrokeOpen) {
    Spot(100, 100);
    Spot(105, 105);
    EXPECT_EQ(r.OffScreen(r.penMode, 0), 1);
    EXPECT_EQ(r.OffScreen(r.penMode, 1), 1);
    EXPECT_FALSE(r.rig.state.outside) << "no gesture is armed while the pen is down";
    Spot(110, 110);
    None();
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(StrokePoints(0), (Points{{100, 100}, {101, 101}, {105, 105}, {110, 110}}));
    EXPECT_TRUE(r.rig.input.Records().empty()) << "no off-screen gesture ran";
}

TEST_F(PenModeTest, EnteringTheToolbarEndsTheStrokeAtOnceWithoutDrawingTheTail) {
    r.ShowToolbar({0, 0, 60, 60});
    Spot(100, 100);
    Spot(104, 104);
    Spot(108, 108);
    const size_t drawnBefore = LiveDrawings();
    EXPECT_EQ(Spot(30, 30), 1);
    EXPECT_EQ(LiveDrawings(), drawnBefore) << "the buffered tail is left for the next redraw";
    EXPECT_EQ(StrokePoints(0), (Points{{100, 100}, {101, 101}, {104, 104}, {108, 108}}));
    EXPECT_FALSE(r.rig.state.penDown);
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
    EXPECT_TRUE(r.rig.flags.Mouse());
    EXPECT_FALSE(r.rig.flags.Pen());
}

TEST_F(PenModeTest, PenUpOverTheToolbarHandsOverWithoutAStroke) {
    r.ShowToolbar({0, 0, 60, 60});
    EXPECT_EQ(Spot(59, 59), 1);
    EXPECT_TRUE(Strokes().empty());
    EXPECT_EQ(r.canvas.Count(sim::InkOp::kOpenScreen), 0u);
    EXPECT_FALSE(r.rig.state.penDown);
    EXPECT_TRUE(r.rig.flags.Mouse());
    EXPECT_FALSE(r.rig.flags.Pen());

    // The right and bottom edges are outside; a hidden toolbar is no obstacle at all.
    r.rig.flags.Select(WorkerKind::kPen);
    Spot(60, 30);
    EXPECT_EQ(Strokes().size(), 1u);
    None();
    r.rig.toolbar.visible = false;
    Spot(30, 30);
    EXPECT_EQ(Strokes().size(), 2u);
    EXPECT_TRUE(r.rig.flags.Pen());
}

TEST_F(PenModeTest, JumpOfEightyPixelsStartsANewStrokeWithItsOwnDot) {
    Spot(100, 100);
    Spot(179, 105);  // 79 on x: an ordinary point
    ASSERT_EQ(Strokes().size(), 1u);
    r.canvas.ClearCalls();
    Spot(179, 185);  // 80 on y
    ASSERT_EQ(Strokes().size(), 2u);
    EXPECT_EQ(StrokePoints(0), (Points{{100, 100}, {101, 101}, {179, 105}}));
    EXPECT_EQ(StrokePoints(1), (Points{{179, 185}, {180, 186}}));
    const auto curves = r.canvas.CallsOf(sim::InkOp::kTautCurve);
    ASSERT_FALSE(curves.empty());
    EXPECT_EQ(curves.back().points, (Points{{180, 186}, {179, 185}})) << "the new stroke's dot";
    None();
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
}

TEST_F(PenModeTest, RedrawTakingTheScreenMidStrokeBeginsANewStrokeWithoutLosingPoints) {
    Spot(100, 100);
    Spot(104, 104);
    r.screen.Release();  // what a full redraw does to the live context
    Spot(108, 108);
    Spot(112, 112);
    None();
    ASSERT_EQ(Strokes().size(), 2u);
    EXPECT_EQ(StrokePoints(0), (Points{{100, 100}, {101, 101}, {104, 104}}));
    EXPECT_EQ(StrokePoints(1), (Points{{108, 108}, {112, 112}}));
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
}

TEST_F(PenModeTest, HighlighterSetUpIsPutBackAtPenUpEvenWhenTheFlagWentOffMeanwhile) {
    r.pen.highlighter = true;
    Spot(100, 100);
    r.pen.highlighter = false;  // the toolbar's menu, while the pen is down
    None();
    EXPECT_EQ(r.canvas.Count(sim::InkOp::kUsePen), 1u);
    EXPECT_EQ(r.canvas.Count(sim::InkOp::kRestorePen), 1u);
    const auto ops = r.canvas.CallsOf(sim::InkOp::kSetRasterOp);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].value, static_cast<int32_t>(RasterOp::kMaskPen));
    EXPECT_EQ(ops[1].value, static_cast<int32_t>(RasterOp::kCopyPen));
    EXPECT_EQ(std::get<PenStrokeData>(Strokes()[0].data).highlighter, 1);
}

TEST_F(PenModeTest, SlotsSizedBySmallerFramesAreNeverScanned) {
    // The first frame fixes the slots' size; a bright short frame must not be read as 640 x 480.
    const std::vector<uint8_t> shortFrame(1000, 255);
    r.rig.ring.AcceptFrames();
    r.rig.ring.BufferCB(shortFrame.data(), static_cast<long>(shortFrame.size()));
    EXPECT_EQ(r.penMode.OnPenFrame(), 0);
    EXPECT_FALSE(r.rig.state.penDown);
    EXPECT_TRUE(Strokes().empty());
}

TEST_F(PenModeTest, ToolStartForgetsTheLastSpotAndPoint) {
    Spot(100, 100);
    EXPECT_EQ(r.penMode.LastSpot(), sim::MouseRig::kSpotPixel);
    EXPECT_EQ(r.penMode.LastAccepted(), (PixelPoint{101, 101}));
    r.penMode.ResetForToolStart();
    EXPECT_EQ(r.penMode.LastSpot(), (PixelPoint{}));
    EXPECT_EQ(r.penMode.LastAccepted(), (PixelPoint{}));
}

TEST_F(PenModeTest, PenWorkerDrawsUntilTheToolbarThenStartsTheMouseWorker) {
    testing_support::RecordingStarter threads;
    StdLockable toolMutex;
    WorkerRunning running;
    CheckEnvironment checkEnvironment;
    testing_support::HandBackHandler eraser(r.rig, WorkerKind::kEraser, nullptr);
    ToolWorkers workers(ToolWorkersContext{r.rig.flags, running, r.rig.state, checkEnvironment,
                                           r.rig.ring, r.rig.settings, toolMutex, threads,
                                           r.rig.toolbar, r.rig.mouse, r.penMode, eraser});
    r.ShowToolbar({0, 0, 60, 60});
    // Two frames queued before the worker runs: a spot on the screen, then one on the toolbar.
    const PixelPoint onScreen{300, 240}, onToolbar{340, 240};
    r.rig.mapping.Table().At(onScreen.x, onScreen.y) = {500, 400};
    r.rig.mapping.Table().At(onToolbar.x, onToolbar.y) = {30, 30};
    r.rig.PushSpotAtPixel(onScreen);
    r.rig.PushSpotAtPixel(onToolbar);
    ASSERT_TRUE(running.Claim(WorkerKind::kPen));
    workers.RunPenWorker();  // returns once the pen flag is clear

    EXPECT_EQ(StrokePoints(0), (Points{{500, 400}, {501, 401}}));
    EXPECT_EQ(threads.Count(WorkerKind::kMouse), 1);
    EXPECT_FALSE(running.Running(WorkerKind::kPen));
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
}

}  // namespace
}  // namespace halvertone
