// Centre refinement on crafted blobs: the histogram level, row runs, trimming of ragged rows,
// the running minimum of run starts, and the fallbacks.
#include "calibration/centre_refinement.h"

#include <gtest/gtest.h>

#include <array>

#include "calibration/calibration_blob.h"
#include "simulator/frame_painter.h"

namespace halvertone {
namespace {

using sim::FramePainter;
constexpr uint8_t T = 100;

// A diamond-like spot in rows 100..106: each row's bright columns [from, to].
constexpr std::array<std::array<int, 2>, 7> kDiamond = {
    {{50, 51}, {49, 54}, {48, 55}, {47, 56}, {48, 55}, {50, 53}, {50, 51}}};

FramePainter Diamond(const std::array<uint8_t, 7>& levels) {
    FramePainter f(0);
    for (int i = 0; i < 7; ++i)
        f.FillRect(kDiamond[i][0], 100 + i, kDiamond[i][1] + 1, 101 + i, levels[i]);
    return f;
}

RefinedCentre Refine(const FramePainter& f) {
    const auto blob = FindCalibrationBlob(f.View(), T);
    EXPECT_TRUE(blob);
    return blob ? RefineCentre(f.View(), *blob, T) : RefinedCentre{};
}

TEST(CentreRefinement, DiamondUsesTheSmallestStartBelowEachRow) {
    const FramePainter f = Diamond({200, 200, 200, 200, 200, 200, 200});
    const auto blob = FindCalibrationBlob(f.View(), T);
    ASSERT_TRUE(blob);
    EXPECT_EQ(*blob, (BlobRect{47, 100, 56, 106}));
    EXPECT_EQ(blob->Centre(), (PixelPoint{51, 103}));
    // 40 of 70 pixels at 200: level 200. Rows 1..5 after trimming; their starts after the
    // running minimum are 47 47 47 48 50 (sum 239), ends 54 55 56 55 53 (sum 273):
    // a = 47, b = 54, x = 47 + 3; y = 100 + 0 + 6/2.
    const RefinedCentre r = RefineCentre(f.View(), *blob, T);
    EXPECT_EQ(r.level, 200);
    EXPECT_EQ(r.centre, (PixelPoint{50, 103}));
}

TEST(CentreRefinement, DimTopRowIsTrimmed) {
    // 38 of 70 pixels at 200: level 200, so the 150-row at the top is not valid: first = 1.
    // Rows 2..5: starts 47 47 48 50, ends 55 56 55 53: a = 48, b = 54; y = 100 + 1 + 5/2.
    const RefinedCentre r = Refine(Diamond({150, 200, 200, 200, 200, 200, 200}));
    EXPECT_EQ(r.level, 200);
    EXPECT_EQ(r.centre, (PixelPoint{51, 103}));
}

TEST(CentreRefinement, FirstGapInTheLowerHalfEndsTheRows) {
    // Row 5 dim: last = 4 although row 6 is bright again. first = 0, m = 4, q = 1: rows 1..3,
    // starts 47 47 47, ends 54 55 56: a = 47, b = 55; y = 100 + 0 + 2.
    const RefinedCentre r = Refine(Diamond({200, 200, 200, 200, 200, 150, 200}));
    EXPECT_EQ(r.level, 200);
    EXPECT_EQ(r.centre, (PixelPoint{51, 102}));
}

TEST(CentreRefinement, LevelIsWhatHalfOfTheRectangleReaches) {
    // 40 bright pixels of 70: at 240 only the middle row's 10 pixels; half = 35 needs the
    // 200-level pixels too.
    const RefinedCentre r = Refine(Diamond({200, 200, 200, 240, 200, 200, 200}));
    EXPECT_EQ(r.level, 200);

    GreenHistogram h{};
    h[0] = 30;
    h[180] = 20;
    h[250] = 20;
    EXPECT_EQ(RefinementLevel(h, 35, T), 180);
    EXPECT_EQ(RefinementLevel(h, 20, T), 250);
    EXPECT_EQ(RefinementLevel(h, 21, T), 180);
    EXPECT_EQ(RefinementLevel(h, 0, T), 255);
}

TEST(CentreRefinement, LevelFallsBackToTheScanBrightnessWhenNothingReachesHalf) {
    GreenHistogram h{};
    h[0] = 50;
    h[1] = 10;
    h[255] = 5;
    EXPECT_EQ(RefinementLevel(h, 30, T), T + 1);
    EXPECT_EQ(RefinementLevel(h, 30, 0), 2) << "never below 2";
    h[2] = 25;
    EXPECT_EQ(RefinementLevel(h, 30, T), 2) << "2 is still a proper level";
}

TEST(CentreRefinement, NoValidRowGivesTheRectangleCentre) {
    // Two single bright pixels per row with dark pixels between: the scan bridges them, but no
    // row has a run of two pixels at the level.
    FramePainter f(0);
    for (int y = 200; y < 203; ++y) {
        f.SetPixel(300, y, 255);
        f.SetPixel(310, y, 255);
    }
    const auto blob = FindCalibrationBlob(f.View(), T);
    ASSERT_TRUE(blob);
    EXPECT_EQ(*blob, (BlobRect{300, 200, 310, 202}));
    const RefinedCentre r = RefineCentre(f.View(), *blob, T);
    EXPECT_EQ(r.level, T + 1) << "6 of 33 pixels are above 1";
    EXPECT_EQ(r.centre, (PixelPoint{305, 201}));
}

TEST(CentreRefinement, RunsShorterThanTwoAreSkippedWithinTheRow) {
    // Each row: a lone level pixel at 60, then the real run 62..70 (the scan's first run is
    // 60..70 because the lone pixel stays open across the gap).
    FramePainter f(0);
    for (int y = 300; y < 305; ++y) {
        f.SetPixel(60, y, 220);
        f.FillRect(62, y, 71, y + 1, 220);
    }
    const auto blob = FindCalibrationBlob(f.View(), T);
    ASSERT_TRUE(blob);
    EXPECT_EQ(*blob, (BlobRect{60, 300, 70, 304}));
    // Rows: start 62, end 70 (the run ends at the rectangle's right edge, itself at the
    // level). n = 4, first 0, last 4, q = 1: rows 1..3; x = 62 + 4, y = 300 + 2.
    const RefinedCentre r = RefineCentre(f.View(), *blob, T);
    EXPECT_EQ(r.level, 220);
    EXPECT_EQ(r.centre, (PixelPoint{66, 302}));
}

TEST(CentreRefinement, GaussianSpotRefinesToItsPeak) {
    for (const auto& [cx, cy] : {std::pair{200, 150}, std::pair{431, 377}, std::pair{37, 22}}) {
        FramePainter f(15);
        f.AddSpot(cx, cy, 3.0, 250);
        const RefinedCentre r = Refine(f);
        EXPECT_NEAR(r.centre.x, cx, 1) << cx << "," << cy;
        EXPECT_NEAR(r.centre.y, cy, 1) << cx << "," << cy;
        EXPECT_GT(r.level, T);
    }
}

}  // namespace
}  // namespace halvertone
