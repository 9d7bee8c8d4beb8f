// How far the table built from a perfect calibration lands from the true screen point, over
// the whole screen, against a single corner homography; "Mapping Mode" 1 unless said. Between the
// outer targets' crosses the table interpolates between measured points; beyond them, out to the
// screen's edges, it extrapolates and is reported apart.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "simulator/mapping_accuracy.h"
#include "simulator/simulated_view.h"

namespace halvertone::sim {
namespace {

MappingAccuracy Measure(const CameraModelConfig& config) {
    const CameraModel model(config);
    EXPECT_TRUE(model.Valid());
    const MappingAccuracy a = MeasureMappingAccuracy(
        model,
        TargetGeometry{.screenWidth = config.screenWidth, .screenHeight = config.screenHeight});
    std::printf(
        "%4dx%-5d k1 %5.2f | table mean/max %5.2f %5.2f, between the crosses %5.2f %5.2f, "
        "margins %5.2f %5.2f | pen %5.2f %5.2f, margins %5.2f %5.2f | homography %5.2f %5.2f | "
        "unknown/outside %zu/%zu of %zu\n",
        config.screenWidth, config.screenHeight, config.k1, a.table.mean, a.table.max,
        a.covered.mean, a.covered.max, a.margin.mean, a.margin.max, a.penCovered.mean,
        a.penCovered.max, a.penMargin.mean, a.penMargin.max, a.homography.mean, a.homography.max,
        a.unknown, a.uncovered, a.table.samples);
    return a;
}

// Every pixel that sees the screen is mapped, and a heavier lens never defeats the table
// more than it defeats a single homography.
void ExpectACompleteTable(const MappingAccuracy& a, const std::string& what) {
    EXPECT_GT(a.table.samples, 150000u) << what;  // the screen fills most of the frame
    EXPECT_EQ(a.unknown, 0u) << what;
    EXPECT_LT(a.uncovered, a.table.samples / 50) << what;
}

void ReportAndCheck(int32_t w, int32_t h) {
    for (double k1 : {0.0, -0.05, -0.10, -0.15, -0.20, -0.25}) {
        CameraModelConfig config;
        config.screenWidth = w;
        config.screenHeight = h;
        config.k1 = k1;
        const MappingAccuracy a = Measure(config);
        const std::string what =
            std::to_string(w) + "x" + std::to_string(h) + " k1 " + std::to_string(k1);
        ExpectACompleteTable(a, what);
        EXPECT_LT(a.table.mean, 15.0) << what;
        EXPECT_LT(a.table.max, 40.0) << what;
        if (k1 == 0.0) {
            // Without a lens only the camera's coarse pixels (two to four screen pixels wide
            // here) and the straight interpolation across a tilted cell remain.
            EXPECT_LT(a.homography.mean, 2.0) << what;  // the yardstick itself
            EXPECT_LT(a.table.mean, 2.0) << what;
            EXPECT_LE(a.table.max, w == 1024 ? 4.0 : 5.0) << what;
        }
        if (k1 <= -0.15) {
            EXPECT_LT(a.table.mean, a.homography.mean) << what;
        }
    }
}

TEST(TableAccuracy, PerfectCalibrationOn1024By768) {
    ReportAndCheck(1024, 768);
}
TEST(TableAccuracy, PerfectCalibrationOn1920By1080) {
    ReportAndCheck(1920, 1080);
}

// "Mapping Mode" 2 follows the lens: within 3 px everywhere and 1 px on average from a perfect
// calibration, 2 px on average when each target is measured up to a camera pixel off.
TEST(TableAccuracy, PreciseMappingFollowsTheLens) {
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
        for (double k1 : {0.0, -0.25}) {
            sim::CameraView simulation;
            simulation.k1 = k1;
            simulation.tilt = 0.1;
            const CameraModel model(SimulatedCameraConfig(simulation, w, h));
            const TargetGeometry t{.screenWidth = w, .screenHeight = h};
            const std::string what = std::to_string(w) + " k1 " + std::to_string(k1);
            const MappingAccuracy perfect = MeasureMappingAccuracy(model, t, {2, 0});
            ExpectACompleteTable(perfect, what);
            EXPECT_LE(perfect.table.max, 3.0) << what;
            EXPECT_LE(perfect.table.mean, 1.0) << what;
            EXPECT_LE(MeasureMappingAccuracy(model, t, {2, 7}).table.mean, 2.0) << what;
        }
    }
}

// The simulated camera of the tests: a barrel lens and a tilted view.
TEST(TableAccuracy, PerfectCalibrationOfTheSimulatedCamera) {
    sim::CameraView simulation;
    simulation.k1 = -0.05;
    simulation.tilt = 0.1;
    const MappingAccuracy a = Measure(SimulatedCameraConfig(simulation, 1024, 768));
    ExpectACompleteTable(a, "synthetic camera");
    // The lens bends the lattice lines that the table takes as straight; that, not the
    // targets' places, is what is left.
    EXPECT_LT(a.table.mean, 2.0);
    EXPECT_LT(a.penCovered.mean, 2.0);
    EXPECT_LE(a.covered.max, 5.5);
    EXPECT_LE(a.penCovered.max, 5.5);
    EXPECT_LE(a.margin.max, 6.0);
    EXPECT_LE(a.penMargin.max, 6.5);
}

}  // namespace
}  // namespace halvertone::sim
