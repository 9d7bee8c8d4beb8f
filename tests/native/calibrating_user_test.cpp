// The virtual user who calibrates: what it sees of the targets the program paints, and how it
// moves the pen from one target to the next like a person would.
#include "simulator/calibrating_user.h"

#include <gtest/gtest.h>

#include <vector>

#include "calibration/target_layout.h"
#include "simulator/camera_model.h"
#include "simulator/pen_script_text.h"
#include "doubles/target_recorder.h"
#include "simulator/target_watch.h"

namespace halvertone::sim {
namespace {

const TargetGeometry kGeometry{16, 10, 10, 1024, 768};

std::vector<TargetShape> AtStep(int row, int column) {
    TargetProgress p;
    p.row = row;
    p.column = column;
    return TargetsToDraw(kGeometry, p);
}

class NullRepainter final : public ScreenRepainter {
  public:
    void RepaintAll(bool) override { ++repaints; }
    int repaints = 0;
};

TEST(TargetWatch, FollowsTheCurrentTargetThroughPaintsWipesAndRestarts) {
    TargetWatch watch;
    TargetRecorder screen;
    NullRepainter desktop;
    WatchedTargetPainter painter(screen, watch);
    WatchedRepainter repainter(desktop, watch);
    EXPECT_FALSE(watch.Now().shown);

    painter.Paint(AtStep(0, 0));
    const TargetSighting first = watch.Now();
    ASSERT_TRUE(first.shown);
    EXPECT_EQ(first.cross, CrossOf(MainTarget(kGeometry, 0, 0, TargetStyle::kCurrent)));
    EXPECT_EQ(screen.Calls().size(), 1u) << "the screen still gets every painting";

    painter.Paint(AtStep(0, 0));
    EXPECT_EQ(watch.Now(), first) << "painted again, the same target";

    // The fourth target is the middle right one, drawn after three measured ones.
    painter.Paint(AtStep(1, 0));
    const TargetSighting fourth = watch.Now();
    EXPECT_EQ(fourth.cross, CrossOf(MainTarget(kGeometry, 1, 2, TargetStyle::kCurrent)));
    EXPECT_GT(fourth.serial, first.serial);

    repainter.RepaintAll(false);
    EXPECT_EQ(desktop.repaints, 1);
    EXPECT_FALSE(watch.Now().shown);
    painter.Paint(AtStep(0, 0));
    EXPECT_EQ(watch.Now().cross, first.cross);
    EXPECT_GT(watch.Now().serial, fourth.serial) << "a restart shows a new first target";

    // After the last target only measured ones are drawn.
    TargetProgress done;
    done.phase = 1;
    done.innerRow = 2;
    painter.Paint(TargetsToDraw(kGeometry, done));
    EXPECT_FALSE(watch.Now().shown);
}

TEST(CalibratingUser, LooksPressesHoldsLiftsAndPausesBetweenTargets) {
    TargetWatch watch;
    const UserTiming timing{300, 1000, 300, 4000};
    CalibratingUser user(watch, timing);
    EXPECT_FALSE(user.At(0).down) << "no target yet";

    watch.See(AtStep(0, 0));
    const PixelPoint a = watch.Now().cross;
    EXPECT_FALSE(user.At(100).down) << "just seen";
    EXPECT_FALSE(user.At(399).down);
    const PenSample pressed = user.At(400);
    EXPECT_TRUE(pressed.down);
    EXPECT_DOUBLE_EQ(pressed.x, a.x + 0.5) << "the middle of the cross's pixel";
    EXPECT_DOUBLE_EQ(pressed.y, a.y + 0.5);

    // Accepted at once, but a person holds on for about a second.
    watch.See(AtStep(0, 1));
    const PixelPoint b = watch.Now().cross;
    EXPECT_TRUE(user.At(500).down);
    EXPECT_EQ(user.At(1399).x, a.x + 0.5) << "still on the first target";
    EXPECT_FALSE(user.At(1400).down) << "lifted after the hold";
    EXPECT_FALSE(user.At(1699).down) << "pausing";
    EXPECT_FALSE(user.At(1700).down) << "looking at the new target";
    EXPECT_FALSE(user.At(1999).down);
    const PenSample next = user.At(2000);
    EXPECT_TRUE(next.down);
    EXPECT_DOUBLE_EQ(next.x, b.x + 0.5);
    EXPECT_DOUBLE_EQ(next.y, b.y + 0.5);
}

TEST(CalibratingUser, PressesAgainOnATargetThatDoesNotMoveOnAndWaitsWhileNoneIsShown) {
    TargetWatch watch;
    CalibratingUser user(watch, UserTiming{300, 1000, 300, 4000});
    watch.See(AtStep(0, 0));
    EXPECT_FALSE(user.At(0).down);
    EXPECT_TRUE(user.At(300).down);
    EXPECT_TRUE(user.At(4299).down);
    EXPECT_FALSE(user.At(4300).down) << "given up after four seconds";
    EXPECT_FALSE(user.At(4600).down) << "the pause, then looking again";
    EXPECT_FALSE(user.At(4899).down);
    EXPECT_TRUE(user.At(4900).down) << "pressed on the same target once more";

    // The run stops (screen repainted): the pen comes up after the hold and stays up.
    watch.Wiped();
    EXPECT_TRUE(user.At(5000).down);
    EXPECT_FALSE(user.At(5900).down);
    EXPECT_FALSE(user.At(9000).down) << "nothing to point at";
    // The run starts again from the first target.
    watch.See(AtStep(0, 0));
    EXPECT_FALSE(user.At(9100).down);
    EXPECT_TRUE(user.At(9400).down);

    // A target that appears and goes while the user is still looking is not pressed.
    TargetWatch flicker;
    CalibratingUser other(flicker, UserTiming{300, 1000, 300, 4000});
    flicker.See(AtStep(0, 0));
    EXPECT_FALSE(other.At(0).down);
    flicker.Wiped();
    EXPECT_FALSE(other.At(300).down);
    EXPECT_FALSE(other.At(2000).down);
}

TEST(CalibratingUser, TakesOverThePenFromTheScriptsCalibrateLine) {
    const PenScript script = ParsePenScript(
        "100 down 10 20\n200 up\n"
        "500 calibrate\n"
        "x calibrate\n"
        "900 calibrate\n");
    EXPECT_FALSE(script.CalibratingAt(499));
    EXPECT_TRUE(script.CalibratingAt(500));
    EXPECT_EQ(script.CalibrateFrom(), 500u) << "the earliest line counts";
    EXPECT_TRUE(script.At(150).down);
    EXPECT_FALSE(ParsePenScript("100 down 1 2\n").CalibrateFrom().has_value());
}

}  // namespace
}  // namespace halvertone::sim
