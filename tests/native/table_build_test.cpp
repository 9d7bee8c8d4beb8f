// A whole build: when the lattice is extended and saved, what survives the settings reload,
// the off-screen zones, and lattices that make no sense.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calibration/table_builder.h"
#include "native/lattice_fixtures.h"

namespace halvertone {
namespace {

using testing::GridLattice;
using testing::MeasuredOnly;
using testing::RecordingProfileStore;
using testing::RegularLattice;
using testing::SettingsWith;

// The regular lattice after its extension for a 1024 x 768 screen with the default targets.
const CalibrationGrid kExtended = GridLattice({92, 200, 300, 400, 508}, {72, 160, 240, 320, 408});

class BuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings = SettingsWith(MeasuredOnly(RegularLattice()), kUpright);
        metrics.Set(1024, 768);
    }
    CalibrationFile File(bool found) {
        return {found, &store, [this] {
                    ++reloads;
                    writesAtReload = store.writes.size();
                    if (reloadWith) reloadWith(settings);
                }};
    }

    Settings settings;
    ScreenMetrics metrics;
    ScreenMapping mapping;
    RecordingProfileStore store;
    int reloads = 0;
    size_t writesAtReload = 0;
    std::function<void(Settings&)> reloadWith;
};

TEST_F(BuildTest, FlagZeroDerivesButNeitherExtendsNorWrites) {
    TableBuilder(settings, metrics, mapping, File(true)).Build(0);
    EXPECT_EQ(settings.grid, RegularLattice());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(mapping.activeRegion.BoundingBox(), (PixelRect{100, 80, 500, 400}));
    EXPECT_EQ(mapping.scanWindow, kWholeFrame);
}

TEST_F(BuildTest, FlagOneWithoutSettingsFileExtendsButWritesNothing) {
    TableBuilder(settings, metrics, mapping, File(false)).Build(1);
    EXPECT_EQ(settings.grid, kExtended);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(mapping.activeRegion.BoundingBox(), (PixelRect{92, 72, 508, 408}));
    EXPECT_EQ(mapping.scanWindow, kWholeFrame);
}

TEST_F(BuildTest, FlagOneSavesTheLatticeReloadsThenWritesTheProjectorPosition) {
    TableBuilder(settings, metrics, mapping, File(true)).Build(1);
    std::vector<std::string> keys = {"Calibration-Screen-x", "Calibration-Screen-y"};
    for (int m = 1; m <= 9; ++m)
        for (const char* axis : {"-x", "-y"})
            keys.push_back("Calibration " + std::to_string(m) + axis);
    for (int n = 1; n <= 16; ++n)
        for (const char* axis : {"-x", "-y"})
            keys.push_back("Calibration_2 " + std::to_string(n) + axis);
    for (int n = 1; n <= 13; ++n)
        for (const char* axis : {"-x", "-y"})
            keys.push_back("Measured Point " + std::to_string(n) + axis);
    keys.push_back("Projector Position");
    ASSERT_EQ(store.writes.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(store.writes[i].section, "SETTING");
        EXPECT_EQ(store.writes[i].key, keys[i]);
    }
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(writesAtReload, keys.size() - 1);
    const auto value = [&](const std::string& key) {
        for (const auto& w : store.writes)
            if (w.key == key) return w.value;
        return std::string("missing");
    };
    EXPECT_EQ(value("Calibration-Screen-x"), "1024");
    EXPECT_EQ(value("Calibration-Screen-y"), "768");
    EXPECT_EQ(value("Calibration 1-x"), "92");  // G(0,0), extended
    EXPECT_EQ(value("Calibration 1-y"), "72");
    EXPECT_EQ(value("Calibration 9-x"), "508");      // G(4,4)
    EXPECT_EQ(value("Calibration_2 1-x"), "200");    // G(1,1), measured, not moved
    EXPECT_EQ(value("Calibration_2 5-y"), "72");     // G(0,1), derived then extended
    EXPECT_EQ(value("Calibration_2 7-x"), "92");     // G(1,0)
    EXPECT_EQ(value("Measured Point 1-x"), "100");   // G(0,0) as measured, before the extension
    EXPECT_EQ(value("Measured Point 13-y"), "320");  // G(3,3)
    EXPECT_EQ(value("Projector Position"), "0");
}

TEST_F(BuildTest, CalibrationSurvivesTheReload) {
    // The file still holds an older calibration: the reload brings back position 3 and a
    // zero lattice. The position found by this calibration is written and used, and so is
    // its lattice.
    reloadWith = [](Settings& s) {
        s.projectorPosition = kMirroredTopBottom;
        s.grid = CalibrationGrid{};
    };
    TableBuilder(settings, metrics, mapping, File(true)).Build(1);
    EXPECT_EQ(settings.projectorPosition.load(), kUpright);
    EXPECT_EQ(store.writes.back().value, "0");
    EXPECT_EQ(settings.grid, kExtended);
    // Unreflected: cell 5 stands for the screen's quarters from (256, 192), 257 x 193 pixels:
    // 256 + trunc(50 * 257 / 100), 192 + trunc(40 * 193 / 80).
    EXPECT_EQ(mapping.Table().At(250, 200), (PixelPoint{384, 288}));
}

TEST_F(BuildTest, LatticeIsKeptWhenTheFileRefusesTheWrites) {
    store.refuseWrites = true;
    reloadWith = [](Settings& s) { s.grid = CalibrationGrid{}; };
    TableBuilder(settings, metrics, mapping, File(true)).Build(1);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(settings.grid, kExtended);
    EXPECT_EQ(mapping.activeRegion.BoundingBox(), (PixelRect{92, 72, 508, 408}));
}

TEST_F(BuildTest, OtherPositionsSaveWithoutDerivingOrExtending) {
    settings = SettingsWith(RegularLattice(), kMirroredLeftRight);
    settings.grid.G(0, 1) = {210, 75};  // not a crossing of its lines: kept as stored
    const CalibrationGrid stored = settings.grid;
    TableBuilder(settings, metrics, mapping, File(true)).Build(1);
    EXPECT_EQ(settings.grid, stored);
    EXPECT_EQ(store.writes.size(), 79u);
    EXPECT_EQ(store.writes.back().value, "2");
}

TEST_F(BuildTest, OutsideZonesOnlyForTheUprightView) {
    TableBuilder builder(settings, metrics, mapping);
    builder.Build(0);
    EXPECT_EQ(mapping.ClassifyOutside(300, 10), kOutsideTopBottom);
    EXPECT_EQ(mapping.ClassifyOutside(50, 240), kOutsideLeft);
    EXPECT_EQ(mapping.ClassifyOutside(600, 240), kOutsideRight);
    // Zones of the upright view do not fit a mirrored one: they are dropped, as in a process
    // that started with that position.
    settings.projectorPosition = kMirroredLeftRight;
    builder.Build(0);
    EXPECT_EQ(mapping.ClassifyOutside(300, 10), kOutsideNone);
    EXPECT_EQ(mapping.ClassifyOutside(50, 240), kOutsideNone);
}

TEST(DegenerateLattice, FreshInstallBuildsAnEmptyOutlineAndLeavesTheTableAlone) {
    for (int flag : {0, 1}) {
        Settings settings;  // all-zero lattice, position 0
        ScreenMetrics metrics;
        metrics.Set(1024, 768);
        ScreenMapping mapping;
        EXPECT_EQ(TableBuilder(settings, metrics, mapping).Build(flag), 0);
        EXPECT_EQ(mapping.scanWindow, kWholeFrame);
        if (flag == 0) {
            EXPECT_TRUE(mapping.activeRegion.Empty());
            for (const PixelPoint& e : mapping.Table().Entries()) ASSERT_EQ(e, (PixelPoint{0, 0}));
        } else {
            // The extension opens the zero lattice to (-1, -1) .. (1, 1).
            EXPECT_EQ(settings.grid.G(0, 0), (PixelPoint{-1, -1}));
            EXPECT_EQ(settings.grid.G(4, 4), (PixelPoint{1, 1}));
        }
    }
}

TEST(DegenerateLattice, WildLatticesBuildWithoutFault) {
    // Run under the sanitizers: any overflow, out-of-table access or undefined conversion
    // stops the test. Every build returns 0 and leaves the whole frame as the scan window.
    std::mt19937 rng(7);
    std::vector<CalibrationGrid> lattices;
    lattices.push_back(GridLattice({320, 320, 320, 320, 320}, {240, 240, 240, 240, 240}));
    CalibrationGrid line;  // every point on one line
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) line.G(r, c) = {100 + 20 * (5 * r + c), 50 + 15 * (5 * r + c)};
    lattices.push_back(line);
    for (int i = 0; i < 3; ++i) {
        CalibrationGrid g;
        for (auto& p : g.mainPoints) p = {static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
        for (auto& p : g.gridPoints) p = {static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
        lattices.push_back(g);
    }
    for (int i = 0; i < 3; ++i) {
        std::uniform_int_distribution<int32_t> near(-300, 940);
        CalibrationGrid g;
        for (auto& p : g.mainPoints) p = {near(rng), near(rng)};
        for (auto& p : g.gridPoints) p = {near(rng), near(rng)};
        lattices.push_back(g);
    }
    ScreenMetrics metrics;
    metrics.Set(1024, 768);
    for (size_t i = 0; i < lattices.size(); ++i) {
        for (int32_t position : {kUpright, kTurned180}) {
            Settings settings = SettingsWith(lattices[i], position);
            settings.calibrationShiftX = static_cast<int32_t>(rng() % 2000) - 1000;
            ScreenMapping mapping;
            EXPECT_EQ(TableBuilder(settings, metrics, mapping).Build(static_cast<int>(i % 2)), 0);
            EXPECT_EQ(mapping.scanWindow, kWholeFrame) << i;
        }
    }
}

}  // namespace
}  // namespace halvertone
