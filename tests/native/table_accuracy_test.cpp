// How far the table built from a perfect calibration lands from the true screen point, over
// the whole screen, against a single corner homography. The figures are printed; the checks
// only catch a broken build (axes swapped, cells misplaced, pixels left unmapped), they are
// not tuned to the numbers.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/sim/mapping_accuracy.h"

namespace halvertone::sim {
namespace {

void ReportAndCheck(int32_t w, int32_t h) {
    std::printf("%-10s %6s | %-24s | %-24s | %s\n", "screen", "k1", "table mean/p95/max",
                "homography mean/p95/max", "unknown/outside");
    for (double k1 : {0.0, -0.05, -0.10, -0.15, -0.20, -0.25}) {
        CameraModelConfig config;
        config.screenWidth = w;
        config.screenHeight = h;
        config.k1 = k1;
        const CameraModel model(config);
        ASSERT_TRUE(model.Valid());
        const MappingAccuracy a =
            MeasureMappingAccuracy(model, TargetGeometry{.screenWidth = w, .screenHeight = h});
        std::printf(
            "%4dx%-5d %6.2f | %6.2f %6.2f %6.2f px     | %6.2f %6.2f %6.2f px     | %zu/%zu of "
            "%zu\n",
            w, h, k1, a.table.mean, a.table.p95, a.table.max, a.homography.mean, a.homography.p95,
            a.homography.max, a.unknown, a.uncovered, a.table.samples);
        const std::string what =
            std::to_string(w) + "x" + std::to_string(h) + " k1 " + std::to_string(k1);
        EXPECT_GT(a.table.samples, 150000u) << what;  // the screen fills most of the frame
        EXPECT_EQ(a.unknown, 0u) << what;
        EXPECT_LT(a.uncovered, a.table.samples / 50) << what;
        EXPECT_LT(a.table.mean, 15.0) << what;
        EXPECT_LT(a.table.max, 40.0) << what;
        if (k1 == 0.0) {
            EXPECT_LT(a.homography.mean, 2.0) << what;  // the yardstick itself
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

}  // namespace
}  // namespace halvertone::sim
