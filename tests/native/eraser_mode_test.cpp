// Eraser mode frame by frame: the recorded path with its midpoints, the square's window steps,
// the hand-over over the toolbar and the capture tool's notices at pen up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annotation/screen_draw_message.h"
#include "doubles/drawing_rig.h"
#include "tracking/tool_mode.h"

namespace halvertone {
namespace {

using Points = std::vector<PixelPoint>;
using Log = std::vector<std::string>;

constexpr uintptr_t kToolWindow = 0x4242;

class EraserModeTest : public ::testing::Test {
  protected:
    EraserModeTest() {
        r.rig.flags.Select(WorkerKind::kEraser);
        r.rig.toolbar.toolMode = kToolEraser;
    }
    int Spot(int32_t x, int32_t y) { return r.Spot(r.eraserMode, x, y); }
    int None() { return r.NoSpot(r.eraserMode); }
    std::vector<StrokeEntry> Strokes() const { return r.lists.DesktopStrokes.Entries(); }
    Points StrokePoints(size_t i) const { return Strokes().at(i).Points(); }

    sim::DrawingRig r;
};

TEST_F(EraserModeTest, JumpsOverTwentyPixelsGetAMidpointFirst) {
    Spot(100, 100);
    Spot(120, 80);  // 20 on each axis: no midpoint
    Spot(141, 80);  // 21 on x
    Spot(141, 59);  // 21 on y, upwards: the half truncates toward zero
    Spot(141, 59);  // no thinning: a still spot adds a square too
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(
        StrokePoints(0),
        (Points{{100, 100}, {120, 80}, {130, 80}, {141, 80}, {141, 70}, {141, 59}, {141, 59}}));
    EXPECT_EQ(r.eraserWindow.log,
              (Log{"create 17", "move 100 100", "show", "move 120 80", "repaint", "move 130 80", "repaint",
                   "move 141 80", "repaint", "move 141 70", "repaint", "move 141 59", "repaint",
                   "move 141 59", "repaint"}));
    EXPECT_EQ(EraserMidpoint({10, 10}, {-11, -11}), (PixelPoint{0, 0}));
}

TEST_F(EraserModeTest, SquareKeepsItsSizeForTheStrokeAndTheNextStrokeTakesTheNewOne) {
    r.pen.width = 30;
    Spot(100, 100);
    r.pen.width = 1;
    Spot(105, 105);
    EXPECT_EQ(r.eraserWindow.Side(), 81);
    EXPECT_EQ(r.eraserWindow.creates, 1);
    None();
    Spot(200, 200);
    EXPECT_EQ(r.eraserWindow.Side(), 9);
    const auto strokes = Strokes();
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(std::get<EraserStrokeData>(strokes[0].data).widthSetting, 30);
    EXPECT_EQ(std::get<EraserStrokeData>(strokes[1].data).widthSetting, 1);
}

TEST_F(EraserModeTest, MovingOntoTheToolbarEndsTheStrokeWithoutTellingTheCaptureTool) {
    r.captureTool.window = kToolWindow;
    r.captureToolWindow.alive = kToolWindow;
    r.ShowToolbar({0, 0, 60, 60});
    Spot(100, 100);
    EXPECT_EQ(Spot(30, 30), 1);
    EXPECT_FALSE(r.eraserWindow.Exists());
    EXPECT_FALSE(r.rig.state.penDown);
    EXPECT_TRUE(r.rig.flags.Mouse());
    EXPECT_FALSE(r.rig.flags.Eraser());
    EXPECT_TRUE(r.captureToolWindow.sent.empty());
    EXPECT_EQ(StrokePoints(0), (Points{{100, 100}}));
}

TEST_F(EraserModeTest, LiftingTellsALiveCaptureToolAroundThePause) {
    r.captureTool.window = kToolWindow;
    r.captureToolWindow.alive = kToolWindow;
    Spot(100, 100);
    const uint64_t t0 = r.rig.clock.NowMs();
    EXPECT_EQ(None(), 0);
    EXPECT_FALSE(r.eraserWindow.Exists());
    EXPECT_EQ(r.eraserWindow.modalUiAtDestroy, 1) << "the toolbar's timer pauses meanwhile";
    EXPECT_EQ(ModalUiActive().load(), 0);
    const auto& sent = r.captureToolWindow.sent;
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].code, screen_draw::kDrawingState);
    EXPECT_EQ(sent[0].value, 0);
    EXPECT_EQ(sent[0].atMs, t0);
    EXPECT_EQ(sent[1].code, screen_draw::kDrawingState);
    EXPECT_EQ(sent[1].value, 1);
    EXPECT_EQ(sent[1].atMs, t0 + kEraserLiftPauseMs);
}

TEST_F(EraserModeTest, LiftingWithoutALiveCaptureToolWindowSendsNothing) {
    r.captureTool.window = kToolWindow;  // reported once, closed since
    Spot(100, 100);
    None();
    EXPECT_FALSE(r.eraserWindow.Exists());
    EXPECT_TRUE(r.captureToolWindow.sent.empty());
    EXPECT_FALSE(r.rig.state.penDown);
}

TEST_F(EraserModeTest, HandOverWithThePenDownBeginsAFreshStrokeAndLeavesTheOldOneAlone) {
    Spot(100, 100);
    None();
    // Mouse mode hands over with the pen already down, far from the last square.
    r.rig.state.penDown = true;
    Spot(300, 300);
    ASSERT_EQ(Strokes().size(), 2u);
    EXPECT_EQ(StrokePoints(0), (Points{{100, 100}})) << "no stray midpoint on the ended stroke";
    EXPECT_EQ(StrokePoints(1), (Points{{300, 300}, {300, 300}}));
    EXPECT_TRUE(r.eraserWindow.Exists());
    EXPECT_EQ(r.eraserWindow.TopLeft(), (PixelPoint{300, 300}));
}

}  // namespace
}  // namespace halvertone
