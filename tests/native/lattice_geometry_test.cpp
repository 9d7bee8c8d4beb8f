// The lattice before the table: line crossings, the twelve derived points, the outward
// extension after a calibration and where the targets are drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calibration/lattice_derivation.h"
#include "calibration/lattice_extension.h"
#include "native/lattice_fixtures.h"
#include "simulator/camera_model.h"

namespace halvertone {
namespace {

using testing::GridLattice;
using testing::MeasuredOnly;
using testing::RegularLattice;

TEST(LineIntersection, CrossingsTruncateTowardZero) {
    EXPECT_EQ(LineIntersection({0, 0}, {100, 20}, {50, -10}, {50, 90}), (PixelPoint{50, 10}));
    // y = 1/3 truncates to 0; at x = -1 the crossing is y = -1/3, which also gives 0, not -1.
    EXPECT_EQ(LineIntersection({0, 0}, {3, 1}, {1, -5}, {1, 5}), (PixelPoint{1, 0}));
    EXPECT_EQ(LineIntersection({0, 0}, {3, 1}, {-1, -5}, {-1, 5}), (PixelPoint{-1, 0}));
    // The order of the points along each line does not matter.
    EXPECT_EQ(LineIntersection({100, 20}, {0, 0}, {50, 90}, {50, -10}), (PixelPoint{50, 10}));
}

TEST(LineIntersection, ParallelAndCoincidentLinesGiveDefinedValues) {
    // Parallel rows: x is -inf (saturates), y is 0 / 0 (NaN, becomes 0).
    EXPECT_EQ(LineIntersection({0, 0}, {10, 0}, {0, 5}, {10, 5}),
              (PixelPoint{std::numeric_limits<int32_t>::min(), 0}));
    EXPECT_EQ(LineIntersection({0, 0}, {10, 0}, {0, 0}, {10, 0}), (PixelPoint{0, 0}));
    EXPECT_EQ(LineIntersection({0, 0}, {0, 0}, {0, 0}, {0, 0}), (PixelPoint{0, 0}));
    // Nearly parallel lines cross far outside the 32-bit range (x = -3.8e10).
    EXPECT_EQ(LineIntersection({0, 0}, {2000000000, 1}, {0, 1}, {1900000000, 2}).x,
              std::numeric_limits<int32_t>::min());
}

TEST(DeriveLattice, RecoversStraightLatticeFromMeasuredPoints) {
    const CalibrationGrid full = RegularLattice();
    CalibrationGrid g = MeasuredOnly(full);
    DeriveLattice(g);
    EXPECT_EQ(g, full);
}

TEST(DeriveLattice, EachDerivedPointIsItsRowAndColumnCrossingInPerspective) {
    // A keystoned camera view without lens distortion keeps screen lines straight, so every
    // derived point must land where the camera sees the screen point of its row and column.
    sim::CameraModelConfig config;
    config.corners = {{{40, 70}, {610, 30}, {560, 460}, {90, 400}}};
    const sim::CameraModel model(config);
    const TargetGeometry t{};  // 1024 x 768, margins 10, size 16
    CalibrationGrid g = model.MeasuredLattice(t);
    DeriveLattice(g);
    const auto screenX = [&](int c) {
        return sim::CrossOf(c % 2 == 0 ? MainTarget(t, 0, c / 2, TargetStyle::kMeasured)
                                       : InnerTarget(t, 0, c / 2, TargetStyle::kMeasured))
            .x;
    };
    const auto screenY = [&](int r) {
        return sim::CrossOf(r % 2 == 0 ? MainTarget(t, r / 2, 0, TargetStyle::kMeasured)
                                       : InnerTarget(t, r / 2, 0, TargetStyle::kMeasured))
            .y;
    };
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const sim::Point2 want = model.ScreenToCamera({screenX(c) + 0.5, screenY(r) + 0.5});
            EXPECT_NEAR(g.G(r, c).x, want.x, 2.5) << "G(" << r << "," << c << ")";
            EXPECT_NEAR(g.G(r, c).y, want.y, 2.5) << "G(" << r << "," << c << ")";
        }
    }
}

TEST(DeriveLattice, AllZeroLatticeStaysZero) {
    CalibrationGrid g;
    DeriveLattice(g);
    EXPECT_EQ(g, CalibrationGrid{});
}

// W 1024, H 768, margins 10, size 16: Fx = Fy = 18, Gx = 247, Gy = 183.
constexpr TargetGeometry kTargets{};

TEST(ExtendOuterRing, PushesEveryOuterPointToTheScreenEdge) {
    CalibrationGrid g = RegularLattice();
    ExtendOuterRing(g, kTargets);
    // 100 - (100 * 18) / 247 - 1 = 92; 500 + 7 + 1 = 508; 80 - (80 * 18) / 183 - 1 = 72; 408.
    EXPECT_EQ(g, GridLattice({92, 200, 300, 400, 508}, {72, 160, 240, 320, 408}));
}

TEST(ExtendOuterRing, UsesValuesBeforeAnyUpdateAndAlwaysStepsByOnePixel) {
    // A mirrored lattice: the left column lies right of its neighbour. The step by
    // (G1 - G0) * F / G truncates toward zero and the extra pixel is still subtracted.
    CalibrationGrid g = GridLattice({500, 400, 300, 200, 100}, {400, 320, 240, 160, 80});
    ExtendOuterRing(g, kTargets);
    // 500 - (-100 * 18) / 247 - 1 = 500 + 7 - 1; 100 + (-1800 / 247) + 1 = 100 - 7 + 1.
    EXPECT_EQ(g, GridLattice({506, 400, 300, 200, 94}, {406, 320, 240, 160, 74}));
}

TEST(ExtendOuterRing, NoRoomBetweenTargetsLeavesThatDirectionAlone) {
    CalibrationGrid g = RegularLattice();
    // W - 2X - S = 1024 - 1008 - 16 = 0: Gx is zero; y still extends.
    ExtendOuterRing(
        g, {.size = 16, .shiftX = 504, .shiftY = 10, .screenWidth = 1024, .screenHeight = 768});
    EXPECT_EQ(g, GridLattice({100, 200, 300, 400, 500}, {72, 160, 240, 320, 408}));
    g = RegularLattice();
    ExtendOuterRing(g, {.size = 16,
                        .shiftX = 10,
                        .shiftY = 60,
                        .screenWidth = 1024,
                        .screenHeight = 100});  // Gy < 0
    EXPECT_EQ(g, GridLattice({92, 200, 300, 400, 508}, {80, 160, 240, 320, 400}));
}

}  // namespace
}  // namespace halvertone
