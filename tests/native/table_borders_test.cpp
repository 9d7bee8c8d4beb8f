// The border fill around the lattice's outline and the fine correction of the screen bands.
#include <gtest/gtest.h>

#include "calibration/border_fill.h"
#include "calibration/fine_correction.h"
#include "calibration/scan_window.h"
#include "calibration/table_builder.h"
#include "native/lattice_fixtures.h"

namespace halvertone {
namespace {

using testing::RegularLattice;
using testing::SettingsWith;

constexpr PixelPoint kUnplaced{kUnknown, kUnknown};

TEST(ScanWindow, BoundingBoxWidenedByTwiceTheShiftsWithinTheFrame) {
    EXPECT_EQ(WidenedScanWindow({100, 80, 500, 400}, 10, 20), (PixelRect{80, 40, 520, 440}));
    EXPECT_EQ(WidenedScanWindow({5, 5, 635, 475}, 10, 10), kWholeFrame);
    EXPECT_EQ(WidenedScanWindow({-50, -50, 700, 600}, 0, 0), kWholeFrame);
    // A box that misses the frame counts as empty: (0, 0, 0, 0), widened.
    EXPECT_EQ(WidenedScanWindow({700, 10, 800, 100}, 10, 10), (PixelRect{0, 0, 20, 20}));
    EXPECT_TRUE(WidenedScanWindow({100, 80, 500, 400}, -300, 10).Empty());
}

// The regular lattice (camera 100..500 x 80..400) with shifts 10: the window is
// (80, 60, 520, 420). The table starts as if an earlier build had left (-1, -1) everywhere,
// with a few other leftovers outside the outline.
class BorderFillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings = SettingsWith(RegularLattice(), 7);  // no reflection, no correction
        metrics.Set(1024, 768);
        mapping.Table().Entries().fill(kUnplaced);
        table().At(500, 80) = {777, 55};   // at G(0,4), just outside the outline
        table().At(100, 400) = {11, 700};  // at G(4,0)
        table().At(500, 400) = {999, 760};
        table().At(250, 415) = {5, 6};
        table().At(510, 200) = {9, 9};
        TableBuilder(settings, metrics, mapping).Build(0);
    }
    CameraToScreenTable& table() { return mapping.Table(); }

    Settings settings;
    ScreenMetrics metrics;
    ScreenMapping mapping;
};

TEST_F(BorderFillTest, CornerRectanglesCopyTheEntryAtTheirLatticeCorner) {
    EXPECT_EQ(table().At(90, 70), table().At(100, 80));
    EXPECT_EQ(table().At(90, 70), (PixelPoint{0, 0}));
    EXPECT_EQ(table().At(510, 70), (PixelPoint{777, 55}));
    EXPECT_EQ(table().At(81, 419), (PixelPoint{11, 700}));
    EXPECT_EQ(table().At(519, 419), (PixelPoint{999, 760}));
}

TEST_F(BorderFillTest, TopBandTakesXFromTheFirstPlacedRowBelow) {
    for (int32_t y = 60; y < 80; ++y) EXPECT_EQ(table().At(250, y), (PixelPoint{384, -1})) << y;
    EXPECT_EQ(table().At(250, 80), (PixelPoint{384, 0}));
}

TEST_F(BorderFillTest, LeftBandTakesYFromTheFirstPlacedColumnToTheRight) {
    for (int32_t x = 80; x < 100; ++x) EXPECT_EQ(table().At(x, 200), (PixelPoint{-1, 288})) << x;
}

TEST_F(BorderFillTest, BottomBandSetsXDownToTheWindowBottom) {
    for (int32_t y = 400; y < 420; ++y) {
        if (y == 415) continue;
        EXPECT_EQ(table().At(250, y), (PixelPoint{384, -1})) << y;
    }
    EXPECT_EQ(table().At(250, 415), (PixelPoint{384, 6}));  // overwritten although placed
}

TEST_F(BorderFillTest, RightBandSetsYOutToTheWindowRight) {
    for (int32_t x = 500; x < 520; ++x) {
        if (x == 510) continue;
        EXPECT_EQ(table().At(x, 200), (PixelPoint{-1, 288})) << x;
    }
    EXPECT_EQ(table().At(510, 200), (PixelPoint{9, 288}));
}

TEST_F(BorderFillTest, NothingOutsideTheWindowChanges) {
    EXPECT_EQ(table().At(79, 200), kUnplaced);
    EXPECT_EQ(table().At(250, 59), kUnplaced);
    EXPECT_EQ(table().At(520, 200), kUnplaced);
    EXPECT_EQ(table().At(250, 420), kUnplaced);
    EXPECT_EQ(mapping.scanWindow, kWholeFrame);
}

TEST(BorderRules, SearchesThatReachTheFrameEdgeChangeNothing) {
    auto mapping = std::make_unique<ScreenMapping>();
    CameraToScreenTable& t = mapping->Table();
    t.Entries().fill(kUnplaced);
    const BorderZones z = MakeBorderZones(RegularLattice(), {80, 60, 520, 420});
    for (BorderRule rule : {BorderRule::kTopBand, BorderRule::kLeftBand, BorderRule::kBottomBand,
                            BorderRule::kRightBand})
        ApplyBorderRule(t, z, rule, 300, 70);
    for (const PixelPoint& e : t.Entries()) ASSERT_EQ(e, kUnplaced);
}

TEST(BorderRules, CornerRectangleIsEmptyWhenItsLatticeCornerIsOffTheFrame) {
    CalibrationGrid g = RegularLattice();
    g.G(0, 0) = {-5, 80};    // beyond the frame on the rectangle's outer side
    g.G(0, 4) = {-20, 30};   // beyond on the inner side: copying would read before the table
    g.G(4, 4) = {650, 300};  // beyond on the inner side: would read past the table
    const BorderZones z = MakeBorderZones(g, kWholeFrame);
    EXPECT_TRUE(z.corners[0].Empty());
    EXPECT_TRUE(z.corners[1].Empty());
    EXPECT_FALSE(z.corners[2].Empty());
    EXPECT_TRUE(z.corners[3].Empty());
}

TEST(FineCorrection, UprightAndMirroredLeftRightBands) {
    auto mapping = std::make_unique<ScreenMapping>();
    CameraToScreenTable& t = mapping->Table();
    // W 1024, H 768: +3 in (0, 128, 1024, 256); +4 in (0, 480, 170, 672) and (854, 480, 1024, 672).
    const std::vector<std::pair<PixelPoint, PixelPoint>> cases = {
        {{0, 128}, {0, 131}},     {{1023, 255}, {1023, 258}}, {{1024, 200}, {1024, 200}},
        {{500, 256}, {500, 256}}, {{500, 127}, {500, 127}},   {{169, 480}, {169, 484}},
        {{170, 480}, {170, 480}}, {{854, 671}, {854, 675}},   {{853, 600}, {853, 600}},
        {{900, 672}, {900, 672}}, {{-1, 200}, {-1, 200}},     {{500, -1}, {500, -1}},
    };
    for (int32_t position : {kUpright, kMirroredLeftRight}) {
        for (size_t i = 0; i < cases.size(); ++i) t.At(static_cast<int32_t>(i), 0) = cases[i].first;
        ApplyFineCorrection(t, kWholeFrame, position, 1024, 768);
        for (size_t i = 0; i < cases.size(); ++i)
            EXPECT_EQ(t.At(static_cast<int32_t>(i), 0), cases[i].second) << position << " #" << i;
    }
}

TEST(FineCorrection, TurnedAndMirroredTopBottomBands) {
    auto mapping = std::make_unique<ScreenMapping>();
    CameraToScreenTable& t = mapping->Table();
    // -4 in (0, 54, 1024, 329) and (0, 438, 1024, 658).
    const std::vector<std::pair<PixelPoint, PixelPoint>> cases = {
        {{0, 54}, {0, 50}},       {{1023, 328}, {1023, 324}}, {{0, 329}, {0, 329}},
        {{0, 53}, {0, 53}},       {{10, 438}, {10, 434}},     {{500, 657}, {500, 653}},
        {{500, 658}, {500, 658}}, {{1024, 100}, {1024, 100}},
    };
    for (int32_t position : {kTurned180, kMirroredTopBottom}) {
        for (size_t i = 0; i < cases.size(); ++i) t.At(static_cast<int32_t>(i), 0) = cases[i].first;
        ApplyFineCorrection(t, kWholeFrame, position, 1024, 768);
        for (size_t i = 0; i < cases.size(); ++i)
            EXPECT_EQ(t.At(static_cast<int32_t>(i), 0), cases[i].second) << position << " #" << i;
    }
}

TEST(FineCorrection, OnlyInsideTheWindowAndOnlyForTheFourPositions) {
    auto mapping = std::make_unique<ScreenMapping>();
    CameraToScreenTable& t = mapping->Table();
    t.At(10, 10) = {100, 200};
    t.At(9, 10) = {100, 200};
    t.At(10, 20) = {100, 200};
    ApplyFineCorrection(t, {10, 10, 20, 20}, kUpright, 1024, 768);
    EXPECT_EQ(t.At(10, 10), (PixelPoint{100, 203}));
    EXPECT_EQ(t.At(9, 10), (PixelPoint{100, 200}));
    EXPECT_EQ(t.At(10, 20), (PixelPoint{100, 200}));
    ApplyFineCorrection(t, kWholeFrame, 4, 1024, 768);
    EXPECT_EQ(t.At(10, 10), (PixelPoint{100, 203}));
}

}  // namespace
}  // namespace halvertone
