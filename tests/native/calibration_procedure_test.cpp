// The calibration run frame by frame: visiting order and storage, rejection of a still pen,
// the threshold side effect, completion, the upside-down repair and the restart paths.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/calibration_rig.h"

namespace halvertone {
namespace {

using test::CalibrationRig;
using test::UprightTargets;

bool Logged(const CalibrationRig& rig, const std::string& entry) {
    const auto log = rig.dialog.Log();
    return std::find(log.begin(), log.end(), entry) != log.end();
}

TEST(CalibrationProcedure, StartOfRunTakesOverFromTheTools) {
    CalibrationRig rig;
    rig.procedure.State().done = true;
    rig.StartRun();
    EXPECT_TRUE(rig.dispatch.calibration);
    EXPECT_FALSE(rig.dispatch.mouse);
    EXPECT_FALSE(rig.dispatch.penDown);
    EXPECT_EQ(rig.dispatch.workersStarted, 1);
    EXPECT_FALSE(rig.procedure.State().done);
    EXPECT_FALSE(rig.procedure.State().startRequest);
    EXPECT_EQ(rig.repainter.erasing, 0);
    EXPECT_EQ(rig.clock.NowMs(), 0u);
}

TEST(CalibrationProcedure, ThirteenTargetsAreStoredInVisitingOrderAndBuildTheTable) {
    CalibrationRig rig;
    rig.settings.grid.gridPoints[15] = {7, 7};  // derived points are not the run's business
    rig.StartRun();
    const auto& targets = UprightTargets();
    for (size_t k = 0; k < targets.size(); ++k) {
        EXPECT_EQ(rig.Turn(targets[k]), 1) << "target " << k + 1;
        EXPECT_EQ(rig.builds, k == 12 ? 1 : 0);
    }
    const CalibrationGrid& g = rig.settings.grid;
    const int mainOrder[] = {0, 1, 2, 5, 4, 3, 6, 7, 8};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(g.mainPoints[mainOrder[k]], targets[k]) << k;
    for (int n = 0; n < 4; ++n) EXPECT_EQ(g.gridPoints[n], targets[9 + n]) << n;
    EXPECT_EQ(g.gridPoints[15], (PixelPoint{7, 7}));
    EXPECT_EQ(rig.gridAtBuild, g) << "the build sees all thirteen points";
    EXPECT_EQ(rig.settings.projectorPosition, kUpright);

    // Completion: repaint, done, no pending start, phase 0, an extra beep and 700 ms.
    const CalibrationState& s = rig.procedure.State();
    EXPECT_TRUE(s.done);
    EXPECT_FALSE(s.startRequest);
    EXPECT_EQ(s.phase, 0);
    EXPECT_EQ(rig.beeper.beeps, 14);
    EXPECT_EQ(rig.repainter.plain, 1);
    EXPECT_EQ(rig.clock.NowMs(), 700u);
    // The final drawing shows every target as measured.
    const auto last = rig.painter.Last();
    ASSERT_EQ(last.size(), 13u);
    EXPECT_TRUE(std::all_of(last.begin(), last.end(),
                            [](const TargetShape& t) { return t.fillColor == kBlack; }));
    EXPECT_EQ(rig.painter.Calls().size(), 14u);
}

TEST(CalibrationProcedure, FrameAfterCompletionStoresNothing) {
    CalibrationRig rig;
    rig.StartRun();
    for (const PixelPoint& p : UprightTargets()) rig.Turn(p);
    const CalibrationGrid before = rig.settings.grid;
    EXPECT_EQ(rig.Turn({300, 300}), 0);
    EXPECT_EQ(rig.settings.grid, before);
    EXPECT_EQ(rig.builds, 1);
}

TEST(CalibrationProcedure, StillPenIsRejectedSilently) {
    CalibrationRig rig;
    rig.StartRun();
    const auto& targets = UprightTargets();
    ASSERT_EQ(rig.Turn(targets[0]), 1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(rig.Turn(targets[0]), 0);
    EXPECT_EQ(rig.beeper.beeps, 1);
    EXPECT_EQ(rig.procedure.State().Progress(), (TargetProgress{0, 1, 0, 0, 0}));
    EXPECT_EQ(rig.Turn(targets[1]), 1);
    // Held on the ninth target when the first inner one is due: outside its quadrant.
    for (size_t k = 2; k < 9; ++k) ASSERT_EQ(rig.Turn(targets[k]), 1) << k;
    EXPECT_EQ(rig.Turn(targets[8]), 0);
    EXPECT_EQ(rig.Turn(targets[9]), 1);
}

TEST(CalibrationProcedure, MirroredCamerasTakeInnerTargetsUnchecked) {
    for (int32_t position : {kMirroredLeftRight, kMirroredTopBottom}) {
        CalibrationRig rig;
        rig.StartRun();
        const auto& targets = UprightTargets();
        for (size_t k = 0; k < 9; ++k) rig.Turn(targets[k]);
        rig.settings.projectorPosition = position;
        EXPECT_EQ(rig.Turn(targets[8]), 1) << "the pen still on the ninth target is the tenth";
        EXPECT_EQ(rig.settings.grid.gridPoints[0], targets[8]);
    }
}

TEST(CalibrationProcedure, FirstTargetSetsTheProjectorPosition) {
    struct Case {
        PixelPoint first;
        int32_t position;
    };
    for (const Case& c : {Case{{321, 239}, kMirroredLeftRight},
                          Case{{319, 241}, kMirroredTopBottom}, Case{{320, 300}, kUpright}}) {
        CalibrationRig rig;
        rig.StartRun();
        EXPECT_EQ(rig.Turn(c.first), 1);
        EXPECT_EQ(rig.settings.projectorPosition, c.position);
        EXPECT_FALSE(rig.procedure.State().done);
        EXPECT_TRUE(rig.turns.empty());
    }
}

TEST(CalibrationProcedure, ThresholdFollowsTheDimmestTargetUntilCompletion) {
    CalibrationRig rig;
    rig.settings.threshold = 90;
    rig.settings.checkEnvThreshold = 160;
    rig.StartRun();
    const auto& targets = UprightTargets();
    const uint8_t levels[13] = {240, 200, 230, 180, 255, 255, 255, 255, 255, 170, 250, 250, 250};
    const uint8_t expected[13] = {240, 200, 200, 180, 180, 180, 180, 180, 180, 170, 170, 170, 160};
    for (int k = 0; k < 13; ++k) {
        ASSERT_EQ(rig.Turn(targets[k], levels[k]), 1) << k;
        EXPECT_EQ(rig.settings.threshold, expected[k]) << "after target " << k + 1;
    }
    // A rejected frame leaves it alone.
    CalibrationRig other;
    other.StartRun();
    other.Turn(targets[0], 240);
    other.Turn(targets[0], 170);  // still pen
    EXPECT_EQ(other.settings.threshold, 240);
}

TEST(CalibrationProcedure, FramesThatCannotBeUsed) {
    CalibrationRig rig;
    rig.StartRun();
    // No blob: the targets are still drawn and the frame is given back.
    const int read = rig.ring.ReadIndex();
    rig.Deliver(sim::FramePainter(10).Bytes());
    EXPECT_EQ(rig.procedure.OnFrame(), 0);
    EXPECT_EQ(rig.painter.Calls().size(), 1u);
    EXPECT_NE(rig.ring.ReadIndex(), read);

    // While the orientation error flag is set nothing is drawn.
    rig.procedure.State().orientationError = true;
    EXPECT_EQ(rig.Turn(UprightTargets()[0]), 0);
    EXPECT_EQ(rig.painter.Calls().size(), 1u);
    EXPECT_EQ(rig.ring.ReadIndex(), read);
    EXPECT_EQ(rig.beeper.beeps, 0);
}

TEST(CalibrationProcedure, SlotThatIsNotAFullFrameHasNoBlob) {
    CalibrationRig rig;
    rig.StartRun();
    std::vector<uint8_t> small = CalibrationRig::SpotFrame(UprightTargets()[0]);
    small.resize(kFrameBytes / 2);  // the first frame fixes the slot size
    rig.Deliver(small);
    EXPECT_EQ(rig.procedure.OnFrame(), 0);
    EXPECT_EQ(rig.painter.Calls().size(), 1u);
    EXPECT_EQ(rig.ring.ReadIndex(), 1) << "given back";
}

TEST(CalibrationProcedure, UpsideDownCameraTogglesFlipAndRestarts) {
    CalibrationRig rig;
    rig.StartRun();
    EXPECT_EQ(rig.Turn({528, 404}), 1) << "the first target is always accepted";
    EXPECT_EQ(rig.settings.projectorPosition, kTurned180);
    CalibrationState& s = rig.procedure.State();
    EXPECT_TRUE(s.done);
    EXPECT_TRUE(s.startRequest);
    EXPECT_FALSE(s.orientationError);
    EXPECT_EQ(rig.settings.flip, 1);
    EXPECT_EQ(rig.turns, (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(rig.clock.NowMs(), 300u);
    EXPECT_EQ(rig.profile.Value("SETTING", "Flip"), "1");
    EXPECT_TRUE(rig.dialog.Checked(1115));
    EXPECT_FALSE(rig.dialog.Checked(1114));
    EXPECT_EQ(rig.dialog.Text(1118), "Calibration Msg/error");
    for (int id : {1114, 1115, 1, 2}) EXPECT_TRUE(rig.dialog.ItemHidden(id)) << id;
    EXPECT_TRUE(Logged(rig, "timer 0 2000"));
    EXPECT_TRUE(rig.dialog.Visible());

    // Two seconds later the timer restarts the run from the first target.
    rig.procedure.MethodDialog().OnTimer(0);
    EXPECT_TRUE(Logged(rig, "kill 0"));
    EXPECT_FALSE(rig.dialog.Visible());
    EXPECT_EQ(rig.dispatch.workersStarted, 2);
    EXPECT_FALSE(s.done);
    EXPECT_EQ(s.Progress(), TargetProgress{});

    // Seen upside down again: back to 0 with the other image-turn value.
    rig.Turn({400, 300});
    EXPECT_EQ(rig.settings.flip, 0);
    EXPECT_EQ(rig.turns, (std::vector<uint8_t>{0x00, 0x30}));
    EXPECT_EQ(rig.profile.Value("SETTING", "Flip"), "0");
    EXPECT_TRUE(rig.dialog.Checked(1114));
}

TEST(CalibrationProcedure, CommandDuringARunRestartsAfterTwoSeconds) {
    CalibrationRig rig;
    rig.StartRun();
    rig.Turn(UprightTargets()[0]);
    rig.Turn(UprightTargets()[1]);
    rig.procedure.Command();
    EXPECT_FALSE(rig.dispatch.calibration);
    EXPECT_TRUE(rig.procedure.State().startRequest);
    EXPECT_EQ(rig.dialog.Text(1118), "Calibration Msg/recalibration");
    EXPECT_TRUE(rig.dialog.ItemHidden(1));
    EXPECT_TRUE(Logged(rig, "timer 0 2000"));
    // The worker's frame in flight is dropped.
    EXPECT_EQ(rig.Turn(UprightTargets()[2]), 0);

    rig.procedure.MethodDialog().OnTimer(0);
    EXPECT_TRUE(rig.dispatch.calibration);
    EXPECT_EQ(rig.procedure.State().Progress(), TargetProgress{});
    rig.procedure.ClearOrientationError();  // as the worker does before each turn
    EXPECT_EQ(rig.Turn(UprightTargets()[0]), 1);
    EXPECT_EQ(rig.procedure.State().Progress(), (TargetProgress{0, 1, 0, 0, 0}));
}

TEST(CalibrationProcedure, CommandWhenIdleAsksForTheMountingWithChoices) {
    CalibrationRig rig;
    rig.procedure.MethodDialog().ShowRestartMessage("x");  // choices hidden by an earlier restart
    rig.procedure.MethodDialog().OnTimer(7);               // not its timer: nothing happens
    EXPECT_TRUE(rig.dialog.Visible());
    rig.procedure.Command();
    EXPECT_EQ(rig.dialog.Text(1118), "Calibration Msg/correct");
    for (int id : {1114, 1115, 1, 2}) EXPECT_FALSE(rig.dialog.ItemHidden(id)) << id;
    EXPECT_TRUE(rig.dialog.Visible());
    EXPECT_FALSE(rig.dispatch.calibration);
    EXPECT_EQ(rig.dispatch.workersStarted, 0);
}

TEST(CalibrationProcedure, StartWhileCalibratingRepaintsBetweenTwoPauses) {
    CalibrationRig rig;
    rig.dispatch.calibration = true;
    rig.StartRun();
    EXPECT_EQ(rig.clock.NowMs(), 200u);
    EXPECT_EQ(rig.repainter.erasing, 1);
}

TEST(CalibrationProcedure, NewWorkerNeverSeesTheOldRunsPhase) {
    CalibrationRig rig;
    rig.procedure.State().SetProgress({3, 2, 1, 1, 1});  // broken off during the inner targets
    TargetProgress seen{9, 9, 9, 9, 9};
    rig.dispatch.onStartWorker = [&] { seen = rig.procedure.State().Progress(); };
    rig.StartRun();
    EXPECT_EQ(seen, TargetProgress{});
}

}  // namespace
}  // namespace halvertone
