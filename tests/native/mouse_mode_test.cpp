// Mouse mode frame by frame in virtual time: every row of its state table, presses, drags,
// releases, off-screen gestures and the hand-over to the drawing tools.
#include <gtest/gtest.h>

#include <vector>

#include "support/mouse_expect.h"
#include "doubles/mouse_rig.h"

namespace halvertone {
namespace {

using testing_support::Button;
using testing_support::Move;
using testing_support::Nx;
using testing_support::Ny;
using Records = std::vector<MouseRecord>;

class MouseModeTest : public ::testing::Test {
  protected:
    // A pressed button at screen (x, y) without any glide: as after a quick press.
    void PressedAt(int32_t x, int32_t y) {
        rig.state.penDown = true;
        rig.state.lastMovePos = {x, y};
        rig.state.lastTarget = {Nx(x), Ny(y)};
    }
    Records Sent() const { return rig.input.Plain(); }

    sim::MouseRig rig;
};

TEST_F(MouseModeTest, FirstPressAfterStartGlidesEvenOnTheLastPosition) {
    rig.state.lastMovePos = {300, 200};
    rig.cursor.Set({300, 200});
    rig.state.glideNextPress = true;
    EXPECT_EQ(rig.SpotFrame(300, 200), 1);
    // One glide step at the cursor, the end point, the settled move, then the press 100 ms on.
    EXPECT_EQ(Sent(),
              (Records{Move(300, 200), Move(300, 200), Move(300, 200), Button(kMouseLeftDown)}));
    const auto rec = rig.input.Records();
    ASSERT_EQ(rec.size(), 4u);
    EXPECT_EQ(rec[0].timeMs, 0u);
    EXPECT_EQ(rec[1].timeMs, 1u);
    EXPECT_EQ(rec[2].timeMs, 2u);
    EXPECT_EQ(rec[3].timeMs, 102u);
    EXPECT_TRUE(rig.state.penDown);
    EXPECT_FALSE(rig.state.glideNextPress);
    ASSERT_EQ(rig.timers.Starts().size(), 1u);
    EXPECT_EQ(rig.timers.Starts()[0].id, 273u);
    EXPECT_EQ(rig.timers.Starts()[0].periodMs, 400u);
    EXPECT_EQ(rig.state.lastTarget, (PixelPoint{Nx(300), Ny(200)}));
}

TEST_F(MouseModeTest, FarPressGlidesAndNearPressLandsOnLastTarget) {
    rig.cursor.Set({10, 10});
    rig.SpotFrame(40, 10);  // 900 >= 4: glide along x from the cursor
    EXPECT_EQ(Sent(), (Records{Move(10, 10), Move(20, 10), Move(30, 10), Move(40, 10), Move(40, 10),
                               Move(40, 10), Button(kMouseLeftDown)}));
    EXPECT_EQ(rig.state.lastMovePos, (PixelPoint{40, 10}));
    rig.NoSpotFrame();
    rig.input.Clear();

    // Within 2 pixels of the last move: the press lands where the cursor already is.
    const uint64_t t0 = rig.clock.NowMs();
    rig.SpotFrame(41, 11);
    EXPECT_EQ(Sent(), (Records{Move(40, 10), Button(kMouseLeftDown)}));
    EXPECT_EQ(rig.clock.NowMs(), t0) << "a quick press does not wait";
    EXPECT_EQ(rig.timers.Starts().size(), 1u) << "only glide presses restart the hold timer";
    EXPECT_EQ(rig.state.lastTarget, (PixelPoint{Nx(41), Ny(11)}));
    EXPECT_EQ(rig.state.lastMovePos, (PixelPoint{40, 10})) << "a quick press is no move";
}

TEST_F(MouseModeTest, SensitivityIsASquaredDistanceWithItsBoundInclusive) {
    rig.state.lastMovePos = {100, 100};
    rig.cursor.Set({100, 100});
    rig.settings.mouseSensitivity = 25;
    rig.SpotFrame(104, 103);  // 16 + 9 = 25: far enough
    EXPECT_EQ(rig.timers.Starts().size(), 1u);
    rig.NoSpotFrame();
    rig.SpotFrame(107, 106);  // 9 + 9 = 18 from (104, 103): near
    EXPECT_EQ(rig.timers.Starts().size(), 1u);
}

TEST_F(MouseModeTest, DragBelowSensitivitySendsNothingAndReleasesAtTheLatestTarget) {
    PressedAt(200, 200);
    rig.SpotFrame(201, 201);  // 2 < 4
    rig.SpotFrame(200, 201);
    EXPECT_TRUE(Sent().empty());
    rig.SpotFrame(202, 200);  // 4 >= 4 from (200, 200)
    EXPECT_EQ(Sent(), (Records{Move(202, 200)}));
    EXPECT_EQ(rig.state.lastMovePos, (PixelPoint{202, 200}));
    rig.SpotFrame(203, 201);  // 2 from (202, 200): nothing, but the target follows
    EXPECT_EQ(rig.NoSpotFrame(), 0);
    EXPECT_EQ(Sent(), (Records{Move(202, 200), {Nx(203), Ny(201), kMouseLeftUp}}));
    EXPECT_FALSE(rig.state.penDown);
}

TEST_F(MouseModeTest, OffScreenWhilePressedKeepsTheButtonAndStoresNoGesture) {
    PressedAt(200, 200);
    EXPECT_EQ(rig.OffScreenFrame(kOutsideTopBottom), 1);
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(rig.state.penDown);
    EXPECT_FALSE(rig.state.outside);
    rig.NoSpotFrame();
    EXPECT_EQ(Sent(), (Records{{Nx(200), Ny(200), kMouseLeftUp}}))
        << "release only, no right click";
}

TEST_F(MouseModeTest, TopOrBottomGestureClicksRightWhereTheCursorIs) {
    rig.cursor.Set({512, 300});
    EXPECT_EQ(rig.OffScreenFrame(kOutsideLeft), 1);
    EXPECT_EQ(rig.state.outsideClass, kOutsideLeft);
    EXPECT_EQ(rig.OffScreenFrame(kOutsideTopBottom), 1);  // the class follows the spot
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(rig.NoSpotFrame(), 0);
    EXPECT_EQ(Sent(),
              (Records{{Nx(512), Ny(300), kMouseRightDown}, {Nx(512), Ny(300), kMouseRightUp}}));
    EXPECT_FALSE(rig.state.outside);
    EXPECT_TRUE(rig.toolbar.SelectedTools().empty()) << "mouse mode ran it: no tool change";
    rig.NoSpotFrame();
    EXPECT_EQ(Sent().size(), 2u) << "the gesture runs once";
}

TEST_F(MouseModeTest, EdgeGesturesGoToTheSideCommandOnlyInOperationMode0) {
    for (int32_t cls : {kOutsideLeft, kOutsideNone, kOutsideRight}) {
        rig.OffScreenFrame(cls);
        rig.NoSpotFrame();
    }
    EXPECT_EQ(rig.toolbar.SideCommands(), (std::vector<int32_t>{1, 2, 3}));
    rig.settings.operationMode = 1;
    rig.OffScreenFrame(kOutsideRight);
    rig.NoSpotFrame();
    EXPECT_EQ(rig.toolbar.SideCommands().size(), 3u);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MouseModeTest, NoZonesMakeEveryOffScreenSpotClass2) {
    rig.mapping.outsideZones.Clear();
    rig.OffScreenFrame(kOutsideTopBottom);
    EXPECT_EQ(rig.state.outsideClass, kOutsideNone);
    rig.NoSpotFrame();
    EXPECT_EQ(rig.toolbar.SideCommands(), (std::vector<int32_t>{2}));
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MouseModeTest, OpenPopupStoresNoGesture) {
    rig.toolbar.popupOpen = true;
    rig.OffScreenFrame(kOutsideTopBottom);
    EXPECT_FALSE(rig.state.outside);
    rig.NoSpotFrame();
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MouseModeTest, DrawingToolOffTheToolbarTakesOverWithTheStrokeOpen) {
    for (int32_t tool : {kToolPen, kToolEraser}) {
        rig.flags.Select(WorkerKind::kMouse);
        rig.state.penDown = false;
        rig.toolbar.toolMode = tool;
        EXPECT_EQ(rig.SpotFrame(500, 400), 1);
        EXPECT_TRUE(Sent().empty());
        EXPECT_TRUE(rig.state.penDown);
        EXPECT_FALSE(rig.flags.Mouse());
        EXPECT_EQ(rig.flags.Pen(), tool == kToolPen);
        EXPECT_EQ(rig.flags.Eraser(), tool == kToolEraser);
    }
}

TEST_F(MouseModeTest, MouseStaysInChargeOverTheToolbarAndDuringToolbarWork) {
    rig.toolbar.toolMode = kToolPen;
    rig.toolbar.SetWindowRect({0, 200, 40, 500});
    rig.toolbar.visible = true;
    rig.SpotFrame(39, 499);  // the last pixel inside the rectangle
    EXPECT_TRUE(rig.flags.Mouse());
    EXPECT_TRUE(rig.state.penDown);
    rig.NoSpotFrame();

    rig.toolbar.popupOpen = true;
    rig.SpotFrame(600, 300);
    EXPECT_TRUE(rig.flags.Mouse()) << "popup open";
    rig.NoSpotFrame();
    rig.toolbar.popupOpen = false;

    rig.toolbar.actionRunning = true;
    rig.SpotFrame(600, 300);
    EXPECT_TRUE(rig.flags.Mouse()) << "toolbar action running";
    rig.NoSpotFrame();
    rig.toolbar.actionRunning = false;

    rig.toolbar.visible = false;
    rig.SpotFrame(20, 300);
    EXPECT_FALSE(rig.flags.Mouse()) << "a hidden toolbar does not hold the spot";
    EXPECT_TRUE(rig.flags.Pen());
}

TEST_F(MouseModeTest, DraggedOffTheToolbarReleasesThereAndHandsOver) {
    rig.toolbar.toolMode = kToolPen;
    rig.toolbar.SetWindowRect({0, 200, 40, 500});
    rig.toolbar.visible = true;
    PressedAt(20, 300);
    int readIndexAtFirstSend = -1;
    rig.input.onSend = [&](const sim::TimedRecord&) {
        if (readIndexAtFirstSend < 0) readIndexAtFirstSend = rig.ring.ReadIndex();
    };
    const int readIndexBefore = rig.ring.ReadIndex();
    EXPECT_EQ(rig.SpotFrame(40, 300), 1);  // right edge is exclusive: off the toolbar
    EXPECT_EQ(Sent(), (Records{Move(40, 300), Button(kMouseLeftUp)}));
    EXPECT_NE(readIndexAtFirstSend, readIndexBefore) << "the frame goes back before the input";
    EXPECT_FALSE(rig.state.penDown);
    EXPECT_FALSE(rig.flags.Mouse());
    EXPECT_TRUE(rig.flags.Pen());
    EXPECT_EQ(rig.state.lastTarget, (PixelPoint{Nx(20), Ny(300)}))
        << "the hand-over keeps the target";
}

TEST_F(MouseModeTest, FramesThatCannotBeScannedCountAsNoSpot) {
    // The first accepted frame fixes the slot size; a short one is never scanned (reading a
    // full frame from it would run past the slot).
    std::vector<uint8_t> shortFrame(1000, 255);
    rig.ring.AcceptFrames();
    rig.ring.BufferCB(shortFrame.data(), static_cast<long>(shortFrame.size()));
    PressedAt(100, 100);
    EXPECT_EQ(rig.mouse.OnMouseFrame(), 0);
    EXPECT_EQ(Sent(), (Records{{Nx(100), Ny(100), kMouseLeftUp}}));
    EXPECT_EQ(rig.ring.ReadIndex(), 1) << "given back";
}

TEST_F(MouseModeTest, AFailedTakeChangesNothing) {
    PressedAt(100, 100);
    rig.state.outside = true;
    rig.ring.Shutdown();
    EXPECT_EQ(rig.mouse.OnMouseFrame(), 0);
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(rig.state.penDown);
    EXPECT_TRUE(rig.state.outside);
    EXPECT_EQ(rig.ring.ReadIndex(), 0);
}

TEST_F(MouseModeTest, UnknownAndFarTableEntriesStayDefined) {
    // -1 components pass through normalisation; a wild entry of a degenerate calibration
    // is read as a position far off the screen, and glides there in bounded steps.
    rig.SpotFrame(-1, -1);
    ASSERT_FALSE(Sent().empty());
    EXPECT_EQ(Sent().back(), Button(kMouseLeftDown));
    rig.NoSpotFrame();
    rig.input.Clear();
    rig.SpotFrame(2'000'000'000, 5);
    const Records sent = Sent();
    EXPECT_LE(sent.size(), 2048u / 10 + 5);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], Move(kScreenPositionLimit, 5));
}

}  // namespace
}  // namespace halvertone
