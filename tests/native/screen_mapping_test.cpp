// Look-up and off-screen classification as the trackers use them.
#include "calibration/screen_mapping.h"

#include <gtest/gtest.h>

#include "base/calibration_grid.h"
#include "simulator/frame_painter.h"
#include "tracking/spot_locator.h"

namespace halvertone {
namespace {

// A lattice of evenly spaced points: G(r, c) = (x0 + c * dx, y0 + r * dy).
CalibrationGrid EvenGrid(int x0, int y0, int dx, int dy) {
    CalibrationGrid g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) g.G(r, c) = {x0 + c * dx, y0 + r * dy};
    return g;
}

TEST(CalibrationGrid, StorageOrderOfBothArrays) {
    CalibrationGrid g = EvenGrid(0, 0, 1, 10);
    EXPECT_EQ(g.mainPoints[5], (PixelPoint{4, 20}));   // G(2,4)
    EXPECT_EQ(g.mainPoints[6], (PixelPoint{0, 40}));   // G(4,0)
    EXPECT_EQ(g.gridPoints[0], (PixelPoint{1, 10}));   // G(1,1)
    EXPECT_EQ(g.gridPoints[3], (PixelPoint{3, 30}));   // G(3,3)
    EXPECT_EQ(g.gridPoints[8], (PixelPoint{4, 10}));   // G(1,4)
    EXPECT_EQ(g.gridPoints[11], (PixelPoint{0, 30}));  // G(3,0)
    EXPECT_EQ(g.gridPoints[15], (PixelPoint{3, 40}));  // G(4,3)
    const auto ring = g.OuterRing();
    EXPECT_EQ(ring[4], g.G(0, 4));
    EXPECT_EQ(ring[8], g.G(4, 4));
    EXPECT_EQ(ring[12], g.G(4, 0));
    EXPECT_EQ(ring[15], g.G(1, 0));
}

TEST(CameraToScreenTable, ColumnMajorIndex) {
    EXPECT_EQ(CameraToScreenTable::Index(0, 1), 1u);
    EXPECT_EQ(CameraToScreenTable::Index(1, 0), 480u);
    EXPECT_EQ(CameraToScreenTable::Index(639, 479), 307199u);
}

class ScreenMappingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        grid = EvenGrid(100, 80, 100, 80);  // screen outline (100,80) .. (500,400)
        const auto ring = grid.OuterRing();
        mapping.activeRegion = PolygonRegion::FromPolygon(ring);
        mapping.outsideZones.Build(grid);
        mapping.Table().At(639, 479) = {7, 8};
        mapping.Table().At(300, 200) = {512, 384};
    }
    CalibrationGrid grid;
    ScreenMapping mapping;
};

TEST_F(ScreenMappingTest, InsideReadsTheEntryOutsideDoesNot) {
    EXPECT_EQ(mapping.LookUp(300, 200), (PixelPoint{512, 384}));
    EXPECT_TRUE(mapping.LookUp(100, 80));    // top-left corner point is inside
    EXPECT_FALSE(mapping.LookUp(500, 200));  // right edge is outside
    EXPECT_FALSE(mapping.LookUp(99, 200));
    EXPECT_FALSE(mapping.LookUp(-1, 0));
    EXPECT_FALSE(mapping.LookUp(639, 479));
    mapping.activeRegion = PolygonRegion::FromRect(kWholeFrame);
    EXPECT_EQ(mapping.LookUp(639, 479), (PixelPoint{7, 8})) << "the last entry, index 307199";
}

TEST_F(ScreenMappingTest, OffScreenClassification) {
    EXPECT_EQ(mapping.ClassifyOutside(300, 10), kOutsideTopBottom);
    EXPECT_EQ(mapping.ClassifyOutside(300, 450), kOutsideTopBottom);
    EXPECT_EQ(mapping.ClassifyOutside(50, 200), kOutsideLeft);
    EXPECT_EQ(mapping.ClassifyOutside(99, 200), kOutsideLeft);
    EXPECT_EQ(mapping.ClassifyOutside(500, 200), kOutsideRight);  // strip starts at G(2,4).x
    EXPECT_EQ(mapping.ClassifyOutside(600, 200), kOutsideRight);
    // The top zone is the polygon from the frame's top corners down to the screen's top
    // edge: above the screen's corner it is top, left of the diagonal it is the left strip.
    EXPECT_EQ(mapping.ClassifyOutside(60, 30), kOutsideTopBottom);
    EXPECT_EQ(mapping.ClassifyOutside(20, 30), kOutsideLeft);
    OutsideZones none;
    EXPECT_EQ(none.Classify(20, 30), kOutsideNone) << "no zones before the first upright build";
}

TEST_F(ScreenMappingTest, LocateSpotInsideAndOutside) {
    sim::FramePainter f;
    f.FillRect(298, 198, 303, 203, 255);
    auto loc = LocateSpot(f.View(), mapping, 150, ScanRows::kMouse);
    EXPECT_EQ(loc.kind, SpotLocation::Kind::kInside);
    EXPECT_EQ(loc.centre, (PixelPoint{300, 200}));
    EXPECT_EQ(loc.screen, (PixelPoint{512, 384}));

    sim::FramePainter g;
    g.FillRect(40, 200, 45, 205, 255);
    loc = LocateSpot(g.View(), mapping, 150, ScanRows::kMouse);
    EXPECT_EQ(loc.kind, SpotLocation::Kind::kOutside);
    EXPECT_EQ(loc.outsideClass, kOutsideLeft);

    sim::FramePainter dark;
    EXPECT_EQ(LocateSpot(dark.View(), mapping, 150, ScanRows::kMouse).kind,
              SpotLocation::Kind::kNone);
}

}  // namespace
}  // namespace halvertone
