// The calibration procedure measured by the virtual user through the synthetic camera, frame
// by frame in virtual time: every target is taken at its cross, and a camera mounted upside
// down is turned and the run starts again by itself.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "capture/frame_turn.h"
#include "simulator/calibrating_user.h"
#include "simulator/camera_scene.h"
#include "simulator/simulated_view.h"
#include "simulator/target_watch.h"
#include "support/calibration_rig.h"

namespace halvertone {
namespace {

constexpr uint64_t kFrameMs = 100;  // 10 frames a second keep the test quick
constexpr uint64_t kRestartMs = 2000;
constexpr uint64_t kLimitMs = 60000;

struct RunResult {
    bool built = false;
    int restarts = 0;
    uint64_t ms = 0;
};

// Runs the procedure until it builds the table: the user sees what the procedure paints, the
// camera renders the user's pen, the frames are turned once the procedure asked for "Flip" 1,
// and the projection-method dialog's timer restarts the run two seconds after a repair.
RunResult CalibrateWith(test::CalibrationRig& rig, const sim::CameraView& simulation) {
    sim::TargetWatch watch;
    sim::CalibratingUser user(watch);
    sim::CameraScene scene(sim::SimulatedView(simulation, 1024, 768), sim::SceneOptions{});
    RunResult result;
    uint64_t restartAt = 0;
    rig.StartRun();
    for (uint64_t t = 0; t < kLimitMs; t += kFrameMs) {
        if (rig.procedure.Done()) {
            if (!rig.procedure.State().startRequest) break;
            if (restartAt == 0) {
                watch.Wiped();  // the run stopped and repainted the screen
                restartAt = t + kRestartMs;
            } else if (t >= restartAt) {
                restartAt = 0;
                ++result.restarts;
                rig.procedure.Command();
            }
        }
        std::vector<uint8_t> frame = scene.Render(user.At(t));
        bool turned = false;
        {
            std::lock_guard lock(rig.turnsMutex);
            turned = !rig.turns.empty() && rig.turns.back() == 0x00;
        }
        if (turned) TurnFrame180(frame.data(), frame.size());
        if (rig.procedure.Done()) continue;
        rig.Deliver(frame);
        rig.procedure.OnFrame();
        watch.See(rig.painter.Last());
        result.ms = t;
    }
    result.built = rig.builds == 1;
    return result;
}

// The thirteen measured points lie where the upright picture shows the target crosses: the
// refinement truncates, so it names the pixel holding the spot's middle or the one before.
void ExpectPointsAtTheCrosses(const CalibrationGrid& measured, sim::CameraView simulation) {
    simulation.upsideDown = false;
    const sim::CameraModel model(sim::SimulatedCameraConfig(simulation, 1024, 768));
    const TargetGeometry g{16, 10, 10, 1024, 768};
    const auto expect = [&](PixelPoint got, const TargetShape& target, const char* what) {
        const sim::Point2 c = model.ScreenToCamera(sim::PixelCentre(sim::CrossOf(target)));
        EXPECT_LE(std::fabs(got.x + 0.5 - c.x), 1.1) << what << " x " << got.x << " vs " << c.x;
        EXPECT_LE(std::fabs(got.y + 0.5 - c.y), 1.1) << what << " y " << got.y << " vs " << c.y;
    };
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            expect(measured.G(2 * i, 2 * j), MainTarget(g, i, j, TargetStyle::kMeasured), "main");
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            expect(measured.G(2 * a + 1, 2 * b + 1), InnerTarget(g, a, b, TargetStyle::kMeasured),
                   "inner");
}

sim::CameraView Camera(bool upsideDown) {
    sim::CameraView s;
    s.k1 = -0.05;
    s.tilt = 0.1;
    s.upsideDown = upsideDown;
    return s;
}

TEST(VirtualCalibrationRun, TheVirtualUserGetsEveryTargetTakenAtItsCross) {
    test::CalibrationRig rig;
    const RunResult run = CalibrateWith(rig, Camera(false));
    ASSERT_TRUE(run.built) << "stopped at " << rig.procedure.State().Progress().MainStep();
    EXPECT_EQ(run.restarts, 0);
    EXPECT_TRUE(rig.turns.empty());
    EXPECT_EQ(rig.settings.projectorPosition, kUpright);
    EXPECT_EQ(rig.beeper.beeps, 14) << "one beep a target and one at the end, none for a still pen";
    ExpectPointsAtTheCrosses(rig.gridAtBuild, Camera(false));
    // A person needs about a second and a half a target.
    EXPECT_GT(run.ms, 13u * 1300u);
    EXPECT_LT(run.ms, 13u * 2500u);
}

TEST(VirtualCalibrationRun, AnUpsideDownCameraIsTurnedAndTheRunStartsAgainByItself) {
    test::CalibrationRig rig;
    const RunResult run = CalibrateWith(rig, Camera(true));
    ASSERT_TRUE(run.built);
    EXPECT_EQ(run.restarts, 1);
    ASSERT_EQ(rig.turns.size(), 1u);
    EXPECT_EQ(rig.turns[0], 0x00) << "turned for \"Flip\" 1";
    EXPECT_EQ(rig.settings.flip, 1);
    EXPECT_EQ(rig.profile.GetString("SETTING", "Flip", "", 8), "1");
    EXPECT_EQ(rig.settings.projectorPosition, kUpright) << "the second run sees it upright";
    ExpectPointsAtTheCrosses(rig.gridAtBuild, Camera(true));
}

}  // namespace
}  // namespace halvertone
