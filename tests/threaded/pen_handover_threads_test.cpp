// The pen tool on real worker threads around a tap on the toolbar: the pen hands over to mouse
// mode, the tap presses a button, and the first stroke drawn off the toolbar afterwards goes
// back to the pen worker, recorded and drawn live; with a popup still open when the stroke
// starts, the pen takes over the stroke as soon as the popup has gone.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "doubles/drawing_rig.h"
#include "doubles/joining_thread_starter.h"
#include "tracking/tool_starter.h"
#include "tracking/tool_workers.h"

namespace halvertone {
namespace {

using Points = std::vector<PixelPoint>;

// Camera pixels on one row inside the calibrated outline, each with its own screen position,
// so that frames queued ahead of the workers never see a table entry change under them.
constexpr int32_t kRow = 240;
constexpr int32_t kToolbarColumn = 240;
constexpr int32_t kFirstStrokeColumn = 300;  // every 10th column from here
constexpr PixelPoint kOnToolbar{20, 300};

class PenHandoverTest : public ::testing::Test {
  protected:
    PenHandoverTest() {
        r.rig.flags.ClearAll();
        r.ShowToolbar({0, 200, 40, 500});
        r.rig.mapping.Table().At(kToolbarColumn, kRow) = kOnToolbar;
        for (int32_t i = 0; i < kStrokePoints; ++i)
            r.rig.mapping.Table().At(StrokeColumn(i), kRow) = StrokePoint(i);
    }
    // Every worker ends: flags clear, blocked frame waits released, threads joined.
    ~PenHandoverTest() override {
        r.rig.flags.ClearAll();
        r.rig.ring.Shutdown();
        threads.JoinAll();
    }

    static constexpr int32_t kStrokePoints = 6;
    static int32_t StrokeColumn(int32_t i) { return kFirstStrokeColumn + 10 * i; }
    static PixelPoint StrokePoint(int32_t i) { return {600 + 12 * i, 300 + 12 * i}; }

    void ToolbarFrame() { r.rig.PushSpotAtPixel({kToolbarColumn, kRow}); }
    void StrokeFrame(int32_t i) { r.rig.PushSpotAtPixel({StrokeColumn(i), kRow}); }
    // The camera keeps sending frames while nothing is in view.
    void EmptyFrames(int n) {
        for (int i = 0; i < n; ++i) r.rig.PushNone();
    }
    // The tool starts, the pen taps the toolbar (pen hands over, mouse presses and releases).
    void TapToolbar() {
        starter.StartPen();
        ToolbarFrame();
        ToolbarFrame();
        EmptyFrames(3);
    }
    // Ends the sequence with the spot on the toolbar and waits until the pen worker handed it
    // to mouse mode: every frame before it has been handled by then.
    bool HandBackAndSettle() {
        ToolbarFrame();
        return MouseAloneInCharge(WorkerKind::kPen);
    }
    bool MouseAloneInCharge(WorkerKind from) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!(r.rig.flags.Mouse() && threads.Alive(from) == 0)) {
            if (std::chrono::steady_clock::now() > until) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }
    std::vector<StrokeEntry> Strokes() const { return r.lists.DesktopStrokes.Entries(); }
    size_t LiveDrawings() const {
        return r.canvas.Count(sim::InkOp::kBeziers) + r.canvas.Count(sim::InkOp::kTautCurve);
    }
    int LeftPresses() const {
        int n = 0;
        for (const auto& rec : r.rig.input.Plain()) n += rec.flags == kMouseLeftDown;
        return n;
    }

    sim::DrawingRig r;
    sim::JoiningThreadStarter threads;
    StdLockable toolMutex;
    WorkerRunning running;
    CheckEnvironment checkEnvironment;
    ToolWorkers workers{ToolWorkersContext{r.rig.flags, running, r.rig.state, checkEnvironment,
                                           r.rig.ring, r.rig.settings, toolMutex, threads,
                                           r.rig.toolbar, r.rig.mouse, r.penMode, r.eraserMode}};
    ToolStarter starter{ToolStarterContext{r.rig.flags, r.rig.state, r.rig.toolbar.toolMode,
                                           workers, r.rig.ring, r.rig.clock}};
};

TEST_F(PenHandoverTest, FirstStrokeAfterATapOnTheToolbarIsRecordedAndDrawn) {
    TapToolbar();
    EmptyFrames(45);  // the user waits before drawing
    for (int32_t i = 0; i < kStrokePoints; ++i) StrokeFrame(i);
    EmptyFrames(2);
    ASSERT_TRUE(HandBackAndSettle());

    EXPECT_EQ(LeftPresses(), 1) << "only the toolbar was pressed";
    const auto strokes = Strokes();
    ASSERT_EQ(strokes.size(), 1u);
    const auto& pen = std::get<PenStrokeData>(strokes[0].data);
    // Mouse mode hands over on the stroke's first frame; the pen begins it with the next.
    Points expected;
    for (int32_t i = 1; i < kStrokePoints; ++i) expected.push_back(StrokePoint(i));
    EXPECT_EQ(pen.points, expected);
    EXPECT_GT(LiveDrawings(), 0u) << "the stroke was drawn while the pen moved";
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
    EXPECT_FALSE(r.rig.state.penDown);
}

TEST_F(PenHandoverTest, PopupClosingWhileThePenIsDownHandsTheRestOfTheStrokeToThePen) {
    // The popup is still open when the spot shows up off the toolbar: mouse mode presses
    // there (closing the menu), and the menu is gone before the next frame.
    std::atomic<bool> menuOpen{false};
    r.rig.input.onSend = [&](const sim::TimedRecord& t) {
        if (t.record.flags == kMouseLeftDown && menuOpen.exchange(false))
            r.rig.toolbar.popupOpen = false;
    };
    TapToolbar();
    EmptyFrames(10);
    menuOpen = true;
    r.rig.toolbar.popupOpen = true;
    for (int32_t i = 0; i < kStrokePoints; ++i) StrokeFrame(i);
    EmptyFrames(2);
    ASSERT_TRUE(HandBackAndSettle());

    EXPECT_EQ(LeftPresses(), 2) << "the toolbar, then the press that closed the menu";
    const auto strokes = Strokes();
    ASSERT_EQ(strokes.size(), 1u);
    const auto& pen = std::get<PenStrokeData>(strokes[0].data);
    ASSERT_FALSE(pen.points.empty());
    // The frame of the hand-over releases the button; the pen takes over from the next one.
    EXPECT_EQ(pen.points.front(), StrokePoint(2));
    EXPECT_EQ(pen.points.back(), StrokePoint(kStrokePoints - 1));
    EXPECT_GT(LiveDrawings(), 0u);
    EXPECT_EQ(r.canvas.OpenScreens(), 0);
}

TEST_F(PenHandoverTest, EraserHandsATapOnTheToolbarToTheMouseAfterAStroke) {
    starter.StartEraser();
    for (int32_t i = 0; i < kStrokePoints; ++i) StrokeFrame(i);
    EmptyFrames(20);  // the square has gone; the user reaches for a button
    ToolbarFrame();
    ToolbarFrame();
    // A push waits while both slots are full: all but the last two frames have been handled.
    EmptyFrames(20);
    ASSERT_TRUE(MouseAloneInCharge(WorkerKind::kEraser));

    EXPECT_EQ(LeftPresses(), 1) << "the tap pressed the toolbar";
    const auto strokes = Strokes();
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<EraserStrokeData>(strokes[0].data));
}

}  // namespace
}  // namespace halvertone
