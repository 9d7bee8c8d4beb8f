// A calibration run on real threads: a camera thread shows the pen on each target until it is
// accepted, and one or two calibration workers take the frames (two overlap when a restart
// follows a worker still waiting for its last frame).
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "support/calibration_rig.h"

namespace halvertone {
namespace {

using test::CalibrationRig;
using test::UprightTargets;

void Worker(CalibrationRig& rig) {
    while (rig.dispatch.calibration && !rig.procedure.Done()) {
        rig.procedure.ClearOrientationError();
        rig.procedure.OnFrame();
    }
}

// The pen stays on a target until the run moves on, like a user waiting for the beep.
void Camera(CalibrationRig& rig) {
    const auto& targets = UprightTargets();
    for (size_t k = 0; k < targets.size(); ++k) {
        const std::vector<uint8_t> frame = CalibrationRig::SpotFrame(targets[k]);
        while (!rig.procedure.Done() && rig.beeper.beeps == static_cast<int>(k)) rig.Deliver(frame);
    }
}

void RunCalibration(int workers) {
    CalibrationRig rig;
    rig.StartRun();
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) threads.emplace_back(Worker, std::ref(rig));
    std::thread camera(Camera, std::ref(rig));
    camera.join();
    rig.ring.Shutdown();  // a worker still waiting for a frame gives up
    for (auto& t : threads) t.join();

    EXPECT_EQ(rig.builds, 1);
    EXPECT_TRUE(rig.procedure.Done());
    const auto& targets = UprightTargets();
    const int mainOrder[] = {0, 1, 2, 5, 4, 3, 6, 7, 8};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(rig.settings.grid.mainPoints[mainOrder[k]], targets[k]) << k;
    for (int n = 0; n < 4; ++n) EXPECT_EQ(rig.settings.grid.gridPoints[n], targets[9 + n]) << n;
    EXPECT_EQ(rig.beeper.beeps, 14);
}

TEST(CalibrationWorker, OneWorkerMeasuresAllTargets) {
    RunCalibration(1);
}

TEST(CalibrationWorker, OverlappingWorkersTakeTurns) {
    RunCalibration(2);
}

}  // namespace
}  // namespace halvertone
