// The light-spot finder on crafted frames: scan order, walks, refinement levels, and the
// vector scan against the plain reference.
#include <gtest/gtest.h>

#include <random>

#include "simulator/frame_painter.h"
#include "tracking/spot_finder.h"

namespace halvertone {
namespace {

using sim::FramePainter;

TEST(SpotFinder, DarkFrameHasNoSpot) {
    FramePainter f(40);
    EXPECT_FALSE(FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse));
    EXPECT_FALSE(BrightPixelPresent(f.View(), 150));
}

TEST(SpotFinder, SinglePixelBrightEnoughForTheRefinementIsTheSpot) {
    FramePainter f;
    f.SetPixel(100, 50, 170);  // T + 20
    const auto s = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->hit, (PixelPoint{100, 50}));
    EXPECT_EQ(s->box, (SpotBox{100, 100, 50, 50}));
    EXPECT_EQ(s->box.Centre(), (PixelPoint{100, 50}));
}

TEST(SpotFinder, PixelBelowTheRefinementLevelGivesTheOutsideCentre) {
    FramePainter f;
    f.SetPixel(100, 50, 169);  // bright (>= T) but below T + 20
    const auto s = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->box.Centre(), (PixelPoint{500, 500}));
}

TEST(SpotFinder, OddColumnsAndRowsAreNeverHit) {
    FramePainter f;
    f.SetPixel(101, 50, 255);
    f.SetPixel(100, 51, 255);
    EXPECT_FALSE(FindSpot(f.View(), kWholeFrame, 150, ScanRows::kPenEraser));
    EXPECT_TRUE(BrightPixelPresent(f.View(), 150)) << "the presence test visits every pixel";
}

TEST(SpotFinder, FirstSpotInScanOrderWins) {
    FramePainter f;
    f.FillRect(400, 100, 404, 104, 255);
    f.FillRect(100, 102, 104, 106, 255);  // further left but first bright row is lower
    const auto s = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->hit, (PixelPoint{400, 100}));
    EXPECT_EQ(s->box, (SpotBox{400, 403, 100, 103}));
}

TEST(SpotFinder, RefinementWindowIsFortyColumnsAroundTheBlobMiddle) {
    FramePainter f;
    f.FillRect(100, 200, 300, 204, 255);  // a wide bar
    const auto s = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    // Walk: xL = 100, xR = 299, xm = 199; window columns 179 .. 218.
    EXPECT_EQ(s->box, (SpotBox{179, 218, 200, 203}));
}

TEST(SpotFinder, WalksStopAtTheWindowEdges) {
    FramePainter f;
    f.FillRect(600, 0, 640, 10, 255);
    PixelRect window{0, 0, 640, 480};
    const auto s = FindSpot(f.View(), window, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    // xR stops at right - 1 = 639, xm = 619, window columns 599 .. right - 2 = 638 (exclusive).
    EXPECT_EQ(s->box.maxX, 637);
    EXPECT_EQ(s->box.minX, 600);
    EXPECT_EQ(s->box.minY, 0);
    EXPECT_EQ(s->box.maxY, 9);
}

TEST(SpotFinder, HitOnRow478GivesEmptyRefinementInPenModeAndIsNotScannedInMouseMode) {
    FramePainter f;
    f.FillRect(300, 478, 304, 480, 255);
    const auto pen = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kPenEraser);
    ASSERT_TRUE(pen);
    EXPECT_EQ(pen->hit, (PixelPoint{300, 478}));
    EXPECT_EQ(pen->box.Centre(), (PixelPoint{500, 500}));
    EXPECT_FALSE(FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse));
}

TEST(SpotFinder, LevelClimbsToTheBrightestValueUpToTheCap) {
    // T = 150: level 170, cap 180. 175 is collected, then 200 restarts the box and stops the
    // climbing, so a later 190 is ignored and a later 210 is collected without a restart.
    FramePainter f;
    f.SetPixel(100, 100, 160);  // hit
    f.SetPixel(102, 100, 175);
    f.SetPixel(104, 101, 200);
    f.SetPixel(106, 102, 190);
    f.SetPixel(108, 103, 210);
    const auto s = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->box, (SpotBox{104, 108, 101, 103}));
}

TEST(SpotFinder, LevelsAtTheHighPresets) {
    EXPECT_EQ(RefinementStartLevel(150), 170);
    EXPECT_EQ(RefinementCap(150), 180);
    EXPECT_EQ(RefinementStartLevel(210), 230);
    EXPECT_EQ(RefinementCap(210), 230);
    EXPECT_EQ(RefinementStartLevel(230), 250);
    EXPECT_EQ(RefinementCap(230), 230);
    // Above 235 the start level saturates instead of wrapping to a tiny value.
    EXPECT_EQ(RefinementStartLevel(236), 255);
    EXPECT_EQ(RefinementStartLevel(255), 255);

    FramePainter f;
    f.SetPixel(100, 100, 240);  // hit for T = 230 but below 250: never collected
    f.SetPixel(102, 100, 249);
    f.SetPixel(104, 100, 250);
    auto s = FindSpot(f.View(), kWholeFrame, 230, ScanRows::kMouse);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->box, (SpotBox{104, 104, 100, 100}));

    s = FindSpot(f.View(), kWholeFrame, 240, ScanRows::kMouse);  // level 255: nothing collected
    ASSERT_TRUE(s);
    EXPECT_EQ(s->box.Centre(), (PixelPoint{500, 500}));
}

TEST(SpotFinder, RoundSpotCentreIsItsMiddle) {
    FramePainter f(20);
    f.AddSpot(321.0, 207.0, 2.5, 255);
    const auto s = FindSpot(f.View(), kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->box.Centre().x, 321, 1);
    EXPECT_NEAR(s->box.Centre().y, 207, 1);
}

TEST(SpotFinder, VectorScanMatchesTheReferenceOnRandomFrames) {
    std::mt19937 rng(12345);
    for (int iter = 0; iter < 400; ++iter) {
        FramePainter f(static_cast<uint8_t>(rng() % 120));
        const int spots = static_cast<int>(rng() % 4);
        for (int i = 0; i < spots; ++i)
            f.SetPixel(static_cast<int>(rng() % 640), static_cast<int>(rng() % 480), static_cast<uint8_t>(150 + rng() % 106));
        PixelRect w{static_cast<int32_t>(rng() % 100), static_cast<int32_t>(rng() % 100),
                    static_cast<int32_t>(540 + rng() % 101), static_cast<int32_t>(380 + rng() % 101)};
        if (iter % 5 == 0) w = kWholeFrame;
        const auto t = static_cast<uint8_t>(120 + rng() % 136);
        const int32_t limit = RowLimit(w, iter % 2 ? ScanRows::kMouse : ScanRows::kPenEraser);
        const auto ref = CoarseScanReference(f.View(), w, t, limit);
        const auto fast = CoarseScan(f.View(), w, t, limit);
        ASSERT_EQ(ref.has_value(), fast.has_value()) << "iteration " << iter;
        if (ref) {
            ASSERT_EQ(*ref, *fast) << "iteration " << iter;
        }
        ASSERT_EQ(BrightPixelPresentReference(f.View(), t), BrightPixelPresent(f.View(), t));
    }
}

TEST(SpotFinder, VectorScanFindsBrightPixelsInEveryChunkPosition) {
    // One bright pixel at each candidate column of the top row, the last rows and a narrow
    // window: catches a wrong mask or a chunk that skips the row's tail.
    for (int x = 0; x < 640; x += 2) {
        for (int y : {0, 476, 477}) {
            FramePainter f;
            f.SetGreen(x, y, 200);
            const auto ref = CoarseScanReference(f.View(), kWholeFrame, 200, 478);
            const auto fast = CoarseScan(f.View(), kWholeFrame, 200, 478);
            ASSERT_EQ(ref.has_value(), fast.has_value()) << x << "," << y;
            if (ref) {
                ASSERT_EQ(*ref, *fast);
            }
        }
    }
    for (int x = 0; x < 640; ++x) {
        FramePainter f;
        f.SetGreen(x, 479, 255);
        ASSERT_TRUE(BrightPixelPresent(f.View(), 255)) << x;
        ASSERT_FALSE(BrightPixelPresent(f.View(), 255) != BrightPixelPresentReference(f.View(), 255));
    }
}

}  // namespace
}  // namespace halvertone
