// The span-wise build against the straightforward one that tests every pixel against every
// polygon: the same table, entry for entry, on many plausible lattices and on nonsense ones.
// Both start from the same leftovers of an "earlier build", so the border fill has work to do.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>

#include "calibration/lattice_derivation.h"
#include "calibration/table_builder.h"
#include "native/lattice_fixtures.h"
#include "simulator/camera_model.h"

namespace halvertone {
namespace {

using testing::GridLattice;
using testing::RegularLattice;
using testing::SettingsWith;

struct Scenario {
    Settings settings;
    int32_t width = 1024, height = 768;
    int flag = 0;
    uint32_t leftoverSeed = 1;
};

void FillLeftovers(CameraToScreenTable& t, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int32_t> value(0, 2000);
    for (PixelPoint& e : t.Entries()) {
        const uint32_t kind = rng() % 10;
        if (kind < 5)
            e = {kUnknown, kUnknown};
        else if (kind < 7)
            e = {kUnknown, value(rng)};
        else if (kind < 9)
            e = {value(rng), kUnknown};
        else
            e = {value(rng), value(rng)};
    }
}

std::string FirstDifference(const CameraToScreenTable& a, const CameraToScreenTable& b) {
    for (int32_t x = 0; x < kFrameWidth; ++x) {
        for (int32_t y = 0; y < kFrameHeight; ++y) {
            if (a.At(x, y) == b.At(x, y)) continue;
            std::ostringstream out;
            out << "pixel (" << x << ", " << y << "): spans (" << a.At(x, y).x << ", "
                << a.At(x, y).y << "), per pixel (" << b.At(x, y).x << ", " << b.At(x, y).y << ")";
            return out.str();
        }
    }
    return "";
}

void ExpectSameTables(const Scenario& s, const std::string& what) {
    ScreenMetrics metrics;
    metrics.Set(s.width, s.height);
    Settings fastSettings = s.settings, slowSettings = s.settings;
    auto fast = std::make_unique<ScreenMapping>();
    auto slow = std::make_unique<ScreenMapping>();
    FillLeftovers(fast->Table(), s.leftoverSeed);
    FillLeftovers(slow->Table(), s.leftoverSeed);
    TableBuilder(fastSettings, metrics, *fast, {}, TableFill::kSpans).Build(s.flag);
    TableBuilder(slowSettings, metrics, *slow, {}, TableFill::kPerPixel).Build(s.flag);
    EXPECT_EQ(FirstDifference(fast->Table(), slow->Table()), "") << what;
    EXPECT_EQ(fastSettings.grid, slowSettings.grid) << what;
}

// What a real calibration could have stored: a camera model with a random view and lens, the
// thirteen measured points with a little noise, the rest derived. Views turned or mirrored in
// the camera get the matching ProjectorPosition; some views reach past the frame.
Scenario PlausibleScenario(std::mt19937& rng) {
    std::uniform_real_distribution<double> jitter(-45, 45), k1(-0.25, 0.05);
    Scenario s;
    s.width = 800 + static_cast<int32_t>(rng() % 1800);
    s.height = 600 + static_cast<int32_t>(rng() % 1000);
    s.flag = static_cast<int>(rng() % 2);
    s.leftoverSeed = static_cast<uint32_t>(rng());
    sim::CameraModelConfig config;
    config.screenWidth = s.width;
    config.screenHeight = s.height;
    config.k1 = k1(rng);
    const double spread = rng() % 4 == 0 ? 1.25 : 1.0;  // some views fill more than the frame
    for (auto& c : config.corners) {
        c.x = 320 + (c.x - 320) * spread + jitter(rng);
        c.y = 240 + (c.y - 240) * spread + jitter(rng);
    }
    const int32_t position = static_cast<int32_t>(rng() % 5) - 1;  // -1 stands for upright
    config.upsideDown = position == kTurned180 || position == kMirroredTopBottom;
    config.mirrored = position == kMirroredLeftRight || position == kMirroredTopBottom;
    const sim::CameraModel model(config);
    const TargetGeometry targets{.size = 8 + static_cast<int32_t>(rng() % 24),
                                 .shiftX = static_cast<int32_t>(rng() % 40),
                                 .shiftY = static_cast<int32_t>(rng() % 40),
                                 .screenWidth = s.width,
                                 .screenHeight = s.height};
    CalibrationGrid grid = model.MeasuredLattice(targets);
    std::uniform_int_distribution<int32_t> noise(-2, 2);
    for (auto& p : grid.mainPoints) p = {p.x + noise(rng), p.y + noise(rng)};
    DeriveLattice(grid);
    s.settings = SettingsWith(grid, position < 0 ? kUpright : position);
    s.settings.calibrationShiftX = targets.shiftX;
    s.settings.calibrationShiftY = targets.shiftY;
    s.settings.calibrationSize = targets.size;
    return s;
}

TEST(TableFillEquivalence, PlausibleLattices) {
    std::mt19937 rng(2024);
    for (int i = 0; i < 20; ++i)
        ExpectSameTables(PlausibleScenario(rng), "plausible #" + std::to_string(i));
}

TEST(TableFillEquivalence, DegenerateAndFoldedLattices) {
    std::mt19937 rng(99);
    std::vector<std::pair<std::string, CalibrationGrid>> lattices;
    lattices.emplace_back("all zero", CalibrationGrid{});
    lattices.emplace_back("one point",
                          GridLattice({320, 320, 320, 320, 320}, {240, 240, 240, 240, 240}));
    lattices.emplace_back("collapsed rows",
                          GridLattice({100, 200, 300, 400, 500}, {80, 80, 240, 240, 400}));
    lattices.emplace_back("past the frame",
                          GridLattice({-100, 150, 300, 450, 700}, {-50, 100, 240, 380, 560}));
    CalibrationGrid folded = RegularLattice();
    folded.G(2, 1) = {200, 120};
    folded.G(2, 2) = {450, 120};
    folded.G(1, 3) = {250, 200};
    lattices.emplace_back("folded", folded);
    for (int i = 0; i < 3; ++i) {
        std::uniform_int_distribution<int32_t> near(-300, 940);
        CalibrationGrid g;
        for (auto& p : g.mainPoints) p = {near(rng), near(rng)};
        for (auto& p : g.gridPoints) p = {near(rng), near(rng)};
        lattices.emplace_back("scattered " + std::to_string(i), g);
    }
    CalibrationGrid huge;
    for (auto& p : huge.mainPoints) p = {static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
    for (auto& p : huge.gridPoints) p = {static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
    lattices.emplace_back("huge", huge);
    for (size_t i = 0; i < lattices.size(); ++i) {
        Scenario s;
        // Upright derives the twelve points (from nonsense); 7 keeps the stored ones as they are.
        s.settings = SettingsWith(lattices[i].second, i % 2 == 0 ? kUpright : 7);
        s.flag = static_cast<int>(i % 3 == 0);
        s.leftoverSeed = static_cast<uint32_t>(i + 1);
        ExpectSameTables(s, lattices[i].first);
    }
}

}  // namespace
}  // namespace halvertone
