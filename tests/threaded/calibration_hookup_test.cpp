// A whole calibration run on its own worker thread, started by the calibration command
// through the tool workers: the tool in charge before stops, and once the thirteen targets
// are measured its worker is started again.
#include <gtest/gtest.h>

#include "doubles/joining_thread_starter.h"
#include "support/calibration_rig.h"
#include "support/worker_rig.h"
#include "tracking/calibration_hookup.h"

namespace halvertone {
namespace {

TEST(CalibrationHookup, ARunStopsTheToolAndRestartsItWhenDone) {
    sim::JoiningThreadStarter threads;
    StdLockable lock;
    testing_support::WorkerRig r(threads, lock);
    test::CalibrationRig cal;
    WorkerToolDispatch dispatch(r.m.flags, r.m.state, r.workers);
    const CalibrationEnvironment base = cal.Environment();
    CalibrationProcedure procedure(CalibrationEnvironment{
        cal.settings, cal.screen, cal.profile, cal.clock, cal.ring, cal.painter, cal.beeper,
        cal.repainter, cal.dialog, dispatch, base.hooks});
    ProcedureRun run(procedure, cal.repainter);
    dispatch.Attach(run);
    // However the test ends, every worker ends before what it uses goes away.
    struct StopAll {
        std::function<void()> stop;
        ~StopAll() { stop(); }
    } stopAll{[&] {
        r.m.flags.ClearAll();
        r.m.ring.Shutdown();
        cal.ring.Shutdown();
        threads.JoinAll();
    }};

    r.starter.StartEraser();
    r.m.state.penDown = true;
    procedure.State().startRequest = true;
    procedure.Command();
    EXPECT_TRUE(r.m.flags.Calibration());
    EXPECT_FALSE(r.m.flags.Eraser());
    EXPECT_FALSE(r.m.state.penDown);
    EXPECT_EQ(threads.Started(WorkerKind::kCalibration), 1);

    r.m.PushNone();  // the eraser worker sees its flag clear after this frame
    for (const PixelPoint& p : test::UprightTargets())
        cal.Deliver(test::CalibrationRig::SpotFrame(p));
    ASSERT_TRUE(threads.WaitFinished(2)) << "the eraser or the calibration worker did not end";
    EXPECT_EQ(cal.builds, 1);
    EXPECT_EQ(threads.Started(WorkerKind::kEraser), 2) << "the eraser worker is started again";
    EXPECT_TRUE(r.m.flags.Eraser());
    EXPECT_FALSE(r.m.flags.Calibration());
    EXPECT_GE(cal.repainter.plain, 2) << "the desktop is repainted before and after the run";
}

}  // namespace
}  // namespace halvertone
