// Which cell places a camera pixel and where: the lower/left preference where cells overlap,
// the reflections, the limits of the cells at the frame's border and zero denominators.
#include <gtest/gtest.h>

#include "calibration/table_builder.h"
#include "native/lattice_fixtures.h"

namespace halvertone {
namespace {

using testing::GridLattice;
using testing::RegularLattice;
using testing::SettingsWith;

// A position with no reflection and no correction: the cell mapping alone.
constexpr int32_t kPlainPosition = 7;

PixelPoint BuildAndLookUp(const CalibrationGrid& grid, int32_t position, PixelPoint pixel) {
    Settings settings = SettingsWith(grid, position);
    ScreenMetrics metrics;
    metrics.Set(1024, 768);
    ScreenMapping mapping;
    TableBuilder(settings, metrics, mapping).Build(0);
    EXPECT_TRUE(mapping.IsInside(pixel.x, pixel.y));
    return mapping.Table().At(pixel.x, pixel.y);
}

TEST(CellAssignment, RegularLatticeMapsByQuarterScreens) {
    // Cell 5 spans camera (200..300, 160..240) and screen (256.., 192..) with 257 x 193 pixels:
    // 256 + trunc(50 * 257 / 100), 192 + trunc(40 * 193 / 80).
    EXPECT_EQ(BuildAndLookUp(RegularLattice(), kPlainPosition, {250, 200}), (PixelPoint{384, 288}));
    EXPECT_EQ(BuildAndLookUp(RegularLattice(), kPlainPosition, {100, 80}), (PixelPoint{0, 0}));
    EXPECT_EQ(BuildAndLookUp(RegularLattice(), kPlainPosition, {499, 399}),
              (PixelPoint{1022, 766}));
}

TEST(CellAssignment, PixelInACellAndTheCellBelowGoesToTheLowerCell) {
    // Rows 2 and 3 of the inner columns fold up into cell 1: cell 5 then covers rows 120..159,
    // inside cell 1 (rows 80..159), while cell 9 keeps to rows 100..119.
    CalibrationGrid g = RegularLattice();
    g.G(2, 1) = {200, 120};
    g.G(2, 2) = {300, 120};
    g.G(3, 1) = {200, 100};
    g.G(3, 2) = {300, 100};
    // Cell 5 runs from its top edge (y 160) to its bottom edge (y 120): 192 + trunc(96.5).
    // Cell 1 would have given (384, 144).
    EXPECT_EQ(BuildAndLookUp(g, kPlainPosition, {250, 140}), (PixelPoint{384, 288}));
}

TEST(CellAssignment, PixelInTwoCellsSideBySideGoesToTheLeftCell) {
    // The edge between cells 5 and 6 moves right past cell 6's right edge: both hold
    // x 400..449 of rows 160..239. Cell 6 would have given (666, 288).
    CalibrationGrid g = RegularLattice();
    g.G(1, 2) = {450, 160};
    g.G(2, 2) = {450, 240};
    // 256 + trunc(220 * 257 / 250)
    EXPECT_EQ(BuildAndLookUp(g, kPlainPosition, {420, 200}), (PixelPoint{482, 288}));
}

TEST(CellAssignment, ReflectionByProjectorPosition) {
    const CalibrationGrid g = RegularLattice();
    // 0: quarters, unreflected; 288 lies outside the corrected bands.
    EXPECT_EQ(BuildAndLookUp(g, kUpright, {250, 200}), (PixelPoint{384, 288}));
    // 1: both reflected, then 480 lies in the correction band (438..658) and moves up by 4.
    EXPECT_EQ(BuildAndLookUp(g, kTurned180, {250, 200}), (PixelPoint{1024 - 384, 768 - 288 - 4}));
    EXPECT_EQ(BuildAndLookUp(g, kMirroredLeftRight, {250, 200}), (PixelPoint{1024 - 384, 288}));
    EXPECT_EQ(BuildAndLookUp(g, kMirroredTopBottom, {250, 200}), (PixelPoint{384, 768 - 288 - 4}));
}

TEST(CellAssignment, OnlyTheListedBorderCellsAreLimitedToTheFrame) {
    // The lattice reaches past every side of the frame.
    const CalibrationGrid g = GridLattice({-100, 150, 300, 450, 700}, {-50, 100, 240, 380, 560});
    const auto at = [&](PixelPoint p) { return BuildAndLookUp(g, kPlainPosition, p); };
    // Cell 3: R limited to 640, T raised to 0: 768 + trunc(189 * 257 / 190), 0.
    EXPECT_EQ(at({639, 0}), (PixelPoint{1023, 0}));
    // Cells 7 and 11: R limited; their T and B are not.
    EXPECT_EQ(at({639, 150}), (PixelPoint{1023, 260}));
    EXPECT_EQ(at({639, 300}), (PixelPoint{1023, 466}));
    // Cell 15: R limited, B lowered to 480: 576 + trunc(99 * 193 / 100).
    EXPECT_EQ(at({639, 479}), (PixelPoint{1023, 767}));
    // Cell 12: L raised to 0, B lowered to 480.
    EXPECT_EQ(at({0, 479}), (PixelPoint{0, 767}));
    // Not limited: cell 0 (L -100, T -50), cell 2 (T -50), cell 13 (B 560).
    EXPECT_EQ(at({0, 0}), (PixelPoint{102, 64}));
    EXPECT_EQ(at({449, 0}), (PixelPoint{767, 64}));
    EXPECT_EQ(at({200, 479}), (PixelPoint{341, 682}));
}

TEST(CellAssignment, ZeroDenominatorInACellGivesADefinedPosition) {
    // Cell 5's left edge is horizontal (G(1,1) and G(2,1) on one row), so L is infinite:
    // (x - L) / (R - L) is NaN, which counts as 0, and the pixel lands on the cell's left
    // screen edge. Its top and bottom edges are ordinary: 192 + trunc(40 * 193 / 64).
    CalibrationGrid g = RegularLattice();
    g.G(2, 1) = {250, 160};
    EXPECT_EQ(BuildAndLookUp(g, kPlainPosition, {290, 200}), (PixelPoint{256, 312}));
}

}  // namespace
}  // namespace halvertone
