// "Mapping Mode" 2: the camera model's fit and what it refuses, the table it fills, and a
// restart that rebuilds the same table from what the calibration saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calibration/precise_table.h"
#include "calibration/table_builder.h"
#include "platform/ini_text_store.h"
#include "platform/program_log.h"
#include "simulator/camera_model.h"
#include "shell/settings_load.h"

namespace halvertone {
namespace {

const TargetGeometry kTargets{.screenWidth = 1366, .screenHeight = 768};

// What a perfect calibration measures through a barrel lens and a keystoned view.
MeasuredPoints Measured(double k1) {
    sim::CameraModelConfig config;
    config.screenWidth = kTargets.screenWidth;
    config.screenHeight = kTargets.screenHeight;
    config.k1 = k1;
    return TakeMeasured(sim::CameraModel(config).MeasuredLattice(kTargets));
}

Settings PreciseSettings(const MeasuredPoints& measured) {
    Settings s;
    for (size_t i = 0; i < 9; ++i) s.grid.mainPoints[i] = measured.points[i];
    for (size_t i = 0; i < 4; ++i) s.grid.gridPoints[i] = measured.points[9 + i];
    s.mappingMode = kPreciseMapping;
    return s;
}

std::unique_ptr<ScreenMapping> Build(Settings& s, int flag, ProfileStore* file = nullptr) {
    ScreenMetrics metrics;
    metrics.Set(kTargets.screenWidth, kTargets.screenHeight);
    auto mapping = std::make_unique<ScreenMapping>();
    TableBuilder(s, metrics, *mapping, CalibrationFile{file != nullptr, file, nullptr}).Build(flag);
    return mapping;
}

TEST(CameraFit, FitsTheLensAndTellsWhichTargetWasMeasuredBadly) {
    MeasuredPoints m = Measured(-0.25);
    auto pairs = CalibrationPairs(m, kTargets, kUpright);
    CameraFit fit = FitCameraModel(pairs, 1366, 768);
    ASSERT_TRUE(fit.ok) << fit.whyNot;
    ASSERT_EQ(fit.residuals.size(), 13u);
    // Whole camera pixels, each two to three screen pixels wide, are all that is left.
    EXPECT_LT(fit.largestResidual, 3.0);
    m.points[10].x += 12;  // the second inner target, held well off its cross
    pairs = CalibrationPairs(m, kTargets, kUpright);
    fit = FitCameraModel(pairs, 1366, 768);
    EXPECT_EQ(fit.largestAt, 10u);
    EXPECT_GT(fit.largestResidual, 10.0);
}

TEST(CameraFit, RefusesPointsThatSpanNoView) {
    const auto pairs = CalibrationPairs(Measured(0), kTargets, kUpright);
    std::array<FitPair, 13> same = pairs, line = pairs;
    for (FitPair& p : same) p.camera = {1, 1};  // a settings file that never held a calibration
    for (size_t i = 0; i < line.size(); ++i) line[i].camera = {100.0 + 30 * i, 200.0 + 10 * i};
    EXPECT_EQ(FitCameraModel(same, 1366, 768).whyNot, "points 1 and 2 coincide");
    EXPECT_EQ(FitCameraModel(line, 1366, 768).whyNot, "the points lie on a line");
    EXPECT_EQ(FitCameraModel(std::span(pairs).first(6), 1366, 768).whyNot, "too few points");
    auto swapped = pairs;  // two targets' points exchanged: no view explains that
    std::swap(swapped[0].camera, swapped[8].camera);
    EXPECT_FALSE(FitCameraModel(swapped, 1366, 768).ok);
}

TEST(PreciseMapping, UnusableMeasurementsBuildModeOneAndSaySo) {
    const auto logFile = std::filesystem::temp_directory_path() / "precise_mapping_test.log";
    std::filesystem::remove(logFile);
    OpenProgramLog(logFile);
    Settings crosses = PreciseSettings(Measured(-0.1));
    crosses.mappingMode = kCrossesMapping;
    const auto expected = Build(crosses, 0);
    Settings missing = PreciseSettings(Measured(-0.1));  // no "Measured Point" keys
    Settings folded = PreciseSettings(Measured(-0.1));
    folded.measured = Measured(-0.1);
    std::swap(folded.measured.points[0], folded.measured.points[8]);
    for (Settings* s : {&missing, &folded})
        EXPECT_EQ(Build(*s, 0)->Table().Entries(), expected->Table().Entries());
    CloseProgramLog();
    std::stringstream log;
    log << std::ifstream(logFile).rdbuf();
    const std::string text = log.str();
    EXPECT_NE(text.find("no measured points stored"), std::string::npos) << text;
    EXPECT_NE(text.find("Precise mapping not used", text.find('\n')), std::string::npos) << text;
    std::filesystem::remove(logFile);
}

// After the calibration every build (a display change, a restart) derives the lattice from the
// extended points; the model comes from the points as measured, saved beside them.
TEST(PreciseMapping, ARestartRebuildsTheSameTableWithinTheScreen) {
    IniTextStore file(std::string("[SETTING]\r\nMapping Mode=2\r\n"));
    Settings calibrated = PreciseSettings(Measured(-0.2));
    Build(calibrated, 1, &file);
    const auto before = Build(calibrated, 0);

    Settings restarted;
    LoadSettings(restarted, SettingsSource{true, &file, nullptr});
    EXPECT_EQ(restarted.mappingMode.load(), kPreciseMapping);
    EXPECT_EQ(restarted.measured, Measured(-0.2));
    EXPECT_EQ(Build(restarted, 0)->Table().Entries(), before->Table().Entries());

    Settings crosses = restarted;
    crosses.mappingMode = kCrossesMapping;
    const auto lattice = Build(crosses, 0);
    size_t differ = 0;
    for (int32_t x = 0; x < kFrameWidth; ++x)
        for (int32_t y = 0; y < kFrameHeight; ++y) {
            if (!before->IsInside(x, y)) continue;
            const PixelPoint e = before->Table().At(x, y);
            ASSERT_TRUE(e.x >= 0 && e.x < 1366 && e.y >= 0 && e.y < 768) << x << "," << y;
            differ += !(e == lattice->Table().At(x, y));
        }
    EXPECT_GT(differ, 10000u) << "the model did not fill the region";
}

}  // namespace
}  // namespace halvertone
