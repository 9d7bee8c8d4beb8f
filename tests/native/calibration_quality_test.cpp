// Grading a finished calibration: a clean one is good, one target held off is poor and named,
// a screen seen too small is told so, and points that fit no view are graded poor with why.
#include "calibration/calibration_quality.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/ini_file_store.h"
#include "shell/calibration_quality_report.h"
#include "simulator/camera_model.h"
#include "support/memory_profile_store.h"

namespace halvertone {
namespace {

const TargetGeometry kTargets{.screenWidth = 1024, .screenHeight = 768};

// What a perfect calibration measures through a barrel lens and a keystoned view.
MeasuredPoints Measured(const sim::CameraModelConfig& config) {
    return TakeMeasured(sim::CameraModel(config).MeasuredLattice(kTargets));
}

sim::CameraModelConfig Lens() {
    sim::CameraModelConfig config;
    config.k1 = -0.1;
    return config;
}

TEST(CalibrationQuality, CleanIsGoodAndOneTargetHeldOffIsPoorAndNamed) {
    const MeasuredPoints clean = Measured(Lens());
    const CalibrationQuality good = GradeCalibration(clean, kTargets, kUpright);
    std::printf("[ quality ] clean: %.2f px (target %d), tolerance %.2f px, coverage %d %%\n",
                good.largestResidual, good.worstTarget, good.tolerance, good.coveragePercent);
    EXPECT_TRUE(good.good);
    EXPECT_EQ(good.hint, QualityHint::kNone);
    EXPECT_GT(good.coveragePercent, 50);

    // Measured point 3 is the middle row's left target, shown sixth (that row runs right to
    // left); point 10 the second inner target, shown eleventh.
    for (auto [index, step] : {std::pair{3u, 6}, std::pair{10u, 11}, std::pair{0u, 1}}) {
        for (auto [dx, dy] : {std::pair{10, 0}, std::pair{0, 10}, std::pair{5, 0}}) {
            MeasuredPoints off = clean;
            off.points[index].x += dx;
            off.points[index].y += dy;
            const CalibrationQuality poor = GradeCalibration(off, kTargets, kUpright);
            std::printf("[ quality ] point %u off by (%d, %d): %.2f px at target %d, next %.2f\n",
                        index, dx, dy, poor.largestResidual, poor.worstTarget, poor.nextResidual);
            EXPECT_FALSE(poor.good) << index << " " << dx << " " << dy;
            EXPECT_EQ(poor.worstTarget, step) << index << " " << dx << " " << dy;
            EXPECT_EQ(poor.hint, QualityHint::kHoldStill) << index << " " << dx << " " << dy;
        }
    }
}

TEST(CalibrationQuality, AScreenSeenSmallOrPointsThatFitNoViewArePoor) {
    sim::CameraModelConfig far = Lens();
    far.corners = {{{220, 160}, {420, 155}, {425, 315}, {215, 320}}};
    const CalibrationQuality small = GradeCalibration(Measured(far), kTargets, kUpright);
    EXPECT_FALSE(small.good);
    EXPECT_EQ(small.hint, QualityHint::kTooSmall);
    EXPECT_GT(small.coveragePercent, 5);
    EXPECT_LT(small.coveragePercent, kLeastCoveragePercent);

    MeasuredPoints swapped = Measured(Lens());
    std::swap(swapped.points[0], swapped.points[8]);
    const CalibrationQuality none = GradeCalibration(swapped, kTargets, kUpright);
    EXPECT_FALSE(none.good);
    EXPECT_EQ(none.hint, QualityHint::kNoFit);
    EXPECT_EQ(none.worstTarget, 0);
    EXPECT_FALSE(none.whyNot.empty());
}

TEST(CalibrationQuality, TheUserIsToldInTheLanguageFilesWordsAndTheAboutBoxKeepsTheFigure) {
    IniFileStore english(
        (std::filesystem::path(HALVERTONE_SOURCE_DIR) / "resources" / "Language" / "English.ini")
            .string());
    MeasuredPoints off = Measured(Lens());
    off.points[3].x += 10;
    const CalibrationQuality poor = GradeCalibration(off, kTargets, kUpright);
    const std::string message = QualityMessage(poor, english);
    EXPECT_NE(message.find("poor"), std::string::npos) << message;
    EXPECT_NE(message.find("Hold the pen still on target 6 "), std::string::npos) << message;
    EXPECT_EQ(message.find('{'), std::string::npos) << message;

    test::MemoryProfileStore settings;
    EXPECT_EQ(QualityAboutLine(settings, english), "");  // never graded: no line
    WriteCalibrationQuality(settings, poor);
    const auto stored = ReadCalibrationQuality(settings);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->worstTarget, 6);
    EXPECT_NEAR(stored->residualTenths, poor.largestResidual * 10, 0.5);
    const std::string about = QualityAboutLine(settings, english);
    EXPECT_NE(about.find(" target 6)"), std::string::npos) << about;

    sim::CameraModelConfig far = Lens();
    far.corners = {{{220, 160}, {420, 155}, {425, 315}, {215, 320}}};
    const CalibrationQuality small = GradeCalibration(Measured(far), kTargets, kUpright);
    EXPECT_NE(QualityMessage(small, english)
                  .find("fills only " + std::to_string(small.coveragePercent) + " % of"),
              std::string::npos);

    // Points that fit no view leave no stale figure behind.
    std::swap(off.points[0], off.points[8]);
    WriteCalibrationQuality(settings, GradeCalibration(off, kTargets, kUpright));
    EXPECT_FALSE(ReadCalibrationQuality(settings));
    EXPECT_EQ(QualityAboutLine(settings, english), "");
}

}  // namespace
}  // namespace halvertone
