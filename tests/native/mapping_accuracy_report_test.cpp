// The figures of the README's accuracy table, not a check: every mapping mode beside a
// four-corner homography, over lenses, screen sizes and both mountings, from a perfect
// calibration and from one whose points are off by up to a camera pixel. Slow, so left out
// of the normal run:
//   native_tests --gtest_also_run_disabled_tests --gtest_filter='MappingAccuracyReport.*'
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "simulator/mapping_accuracy.h"
#include "simulator/simulated_view.h"

namespace halvertone::sim {
namespace {

constexpr uint32_t kNoiseRuns = 4;

struct Figures {
    ErrorStats modes[3];
    ErrorStats homography;
};

void Add(ErrorStats& sum, const ErrorStats& one, uint32_t runs) {
    sum.mean += one.mean / runs;
    sum.p95 += one.p95 / runs;
    sum.max = std::max(sum.max, one.max);
}

// Perfect: one run. Noisy: the mean and 95th percentile averaged over the runs, the largest
// maximum of any run.
Figures Measure(const CameraModel& model, const TargetGeometry& t, bool noisy) {
    Figures f;
    const uint32_t runs = noisy ? kNoiseRuns : 1;
    for (uint32_t run = 0; run < runs; ++run) {
        for (int32_t mode = 0; mode < 3; ++mode) {
            const MappingAccuracy a = MeasureMappingAccuracy(model, t, {mode, noisy ? run + 1 : 0});
            Add(f.modes[mode], a.table, runs);
            if (mode == 0) Add(f.homography, a.homography, runs);
        }
    }
    return f;
}

TEST(MappingAccuracyReport, DISABLED_ModesLensesScreensMountings) {
    std::printf(
        "| screen | mounting | K1 | calibration | mode 0 | mode 1 | mode 2 | homography |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1366, 768}, std::pair{1920, 1080}}) {
        for (bool ceiling : {false, true}) {
            for (double k1 : {0.0, -0.05, -0.15, -0.25}) {
                sim::CameraView simulation;
                simulation.k1 = k1;
                simulation.tilt = 0.1;
                CameraModelConfig config = SimulatedCameraConfig(simulation, w, h);
                if (ceiling) {
                    // Looking down from above the screen: the bottom edge is the shorter one.
                    std::swap(config.corners[0].x, config.corners[3].x);
                    std::swap(config.corners[1].x, config.corners[2].x);
                }
                const CameraModel model(config);
                ASSERT_TRUE(model.Valid());
                const TargetGeometry t{.screenWidth = w, .screenHeight = h};
                for (bool noisy : {false, true}) {
                    const Figures f = Measure(model, t, noisy);
                    std::printf("| %d×%d | %s | %.2f | %s |", w, h, ceiling ? "ceiling" : "desk",
                                k1, noisy ? "±1 px" : "perfect");
                    for (const ErrorStats& s : f.modes)
                        std::printf(" %.2f / %.2f / %.2f |", s.mean, s.p95, s.max);
                    std::printf(" %.2f / %.2f / %.2f |\n", f.homography.mean, f.homography.p95,
                                f.homography.max);
                }
            }
        }
    }
}

}  // namespace
}  // namespace halvertone::sim
