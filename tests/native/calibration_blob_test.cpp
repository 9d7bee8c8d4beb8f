// The calibration scan: which runs make a blob and when a blob is complete.
#include "calibration/calibration_blob.h"

#include <gtest/gtest.h>

#include "simulator/frame_painter.h"

namespace halvertone {
namespace {

using sim::FramePainter;
constexpr uint8_t T = 100;

// Bright rows [top, bottom) spanning columns [left, right).
void Bar(FramePainter& f, int left, int top, int right, int bottom) {
    f.FillRect(left, top, right, bottom, 200);
}

TEST(CalibrationBlob, ThreeRowsFollowedByADarkRowComplete) {
    FramePainter f(20);
    Bar(f, 200, 100, 210, 103);
    const auto blob = FindCalibrationBlob(f.View(), T);
    ASSERT_TRUE(blob);
    EXPECT_EQ(*blob, (BlobRect{200, 100, 209, 102}));
    EXPECT_EQ(blob->Centre(), (PixelPoint{204, 101}));
}

TEST(CalibrationBlob, OneAndTwoRowBlobsNeverComplete) {
    for (int rows : {1, 2}) {
        FramePainter f(20);
        Bar(f, 200, 100, 210, 100 + rows);
        EXPECT_FALSE(FindCalibrationBlob(f.View(), T)) << rows << " rows";
        // The short blob stays the blob: a proper spot further down is not adjacent to it.
        Bar(f, 300, 200, 310, 210);
        EXPECT_FALSE(FindCalibrationBlob(f.View(), T)) << rows << " rows and a spot below";
    }
}

TEST(CalibrationBlob, BrightnessIsStrictlyAboveTheThresholdInGreen) {
    FramePainter f(20);
    f.FillRect(200, 100, 210, 104, T);  // equal: dark
    EXPECT_FALSE(FindCalibrationBlob(f.View(), T));
    f.FillRect(200, 100, 210, 104, T + 1);
    EXPECT_TRUE(FindCalibrationBlob(f.View(), T));

    FramePainter g(20);
    for (int y = 100; y < 104; ++y)
        for (int x = 200; x < 210; ++x) g.SetGreen(x, y, 255);
    EXPECT_EQ(FindCalibrationBlob(g.View(), T), (BlobRect{200, 100, 209, 103}));
}

TEST(CalibrationBlob, RunTouchingTheRightEdgeIsNeverOffered) {
    FramePainter f(20);
    Bar(f, 600, 100, 640, 120);
    EXPECT_FALSE(FindCalibrationBlob(f.View(), T));
    // One column short of the edge it is a blob.
    FramePainter g(20);
    Bar(g, 600, 100, 639, 120);
    EXPECT_EQ(FindCalibrationBlob(g.View(), T), (BlobRect{600, 100, 638, 119}));
}

TEST(CalibrationBlob, SinglePixelRunStaysOpenAndBridgesDarkPixels) {
    FramePainter f(20);
    for (int y = 50; y < 53; ++y) {
        f.SetPixel(100, y, 200);
        f.SetPixel(106, y, 200);  // 101..105 dark
    }
    EXPECT_EQ(FindCalibrationBlob(f.View(), T), (BlobRect{100, 50, 106, 52}));
}

TEST(CalibrationBlob, LoneBrightPixelsAreNeverOffered) {
    FramePainter f(20);
    for (int y = 50; y < 60; ++y) f.SetPixel(100, y, 200);
    EXPECT_FALSE(FindCalibrationBlob(f.View(), T));
}

TEST(CalibrationBlob, OnlyTheFirstRunOfARowCounts) {
    FramePainter f(20);
    Bar(f, 100, 50, 104, 53);
    Bar(f, 110, 50, 130, 53);  // same rows, further right: the row was already done
    EXPECT_EQ(FindCalibrationBlob(f.View(), T), (BlobRect{100, 50, 103, 52}));
}

TEST(CalibrationBlob, RunsJoinByTheirOverlapWithTheBlobsLeftEdgeOrColumns) {
    FramePainter f(20);
    Bar(f, 100, 50, 110, 51);  // blob 100..109
    Bar(f, 95, 51, 102, 52);   // covers the left edge: widens to the left, right stays
    Bar(f, 105, 52, 120, 53);  // starts inside: widens to the right
    EXPECT_EQ(FindCalibrationBlob(f.View(), T), (BlobRect{95, 50, 119, 52}));
}

TEST(CalibrationBlob, RunsBesideTheBlobAreIgnored) {
    // Left of the blob without reaching its left edge, or right of its right edge.
    for (int runLeft : {80, 111}) {
        FramePainter f(20);
        Bar(f, 100, 50, 110, 53);
        Bar(f, runLeft, 53, runLeft + 5, 54);
        EXPECT_EQ(FindCalibrationBlob(f.View(), T), (BlobRect{100, 50, 109, 52})) << runLeft;
    }
    // A run starting exactly at the right edge still joins.
    FramePainter f(20);
    Bar(f, 100, 50, 110, 53);
    Bar(f, 109, 53, 115, 54);
    EXPECT_EQ(FindCalibrationBlob(f.View(), T), (BlobRect{100, 50, 114, 53}));
}

TEST(CalibrationBlob, OnlyARowWithoutBrightPixelsCompletes) {
    FramePainter base(20);
    Bar(base, 100, 50, 110, 53);
    EXPECT_EQ(FindCalibrationBlob(base.View(), T), (BlobRect{100, 50, 109, 52}));

    // Every later row holds an ignored run, or a lone pixel that keeps its run open: the
    // blob never completes.
    FramePainter runs = base;
    Bar(runs, 20, 53, 25, 480);
    EXPECT_FALSE(FindCalibrationBlob(runs.View(), T));
    FramePainter lone = base;
    for (int y = 53; y < 480; ++y) lone.SetPixel(300, y, 200);
    EXPECT_FALSE(FindCalibrationBlob(lone.View(), T));
    // One dark row among them is enough.
    lone.SetPixel(300, 400, 20);
    EXPECT_EQ(FindCalibrationBlob(lone.View(), T), (BlobRect{100, 50, 109, 52}));

    // A blob reaching the frame's last row never sees a dark row after it.
    FramePainter g(20);
    Bar(g, 100, 470, 110, 480);
    EXPECT_FALSE(FindCalibrationBlob(g.View(), T));
}

TEST(CalibrationBlob, GapAboveTheBlobBottomEndsIt) {
    FramePainter f(20);
    Bar(f, 100, 50, 110, 53);
    Bar(f, 100, 54, 110, 60);  // after a dark row: complete before reaching it
    EXPECT_EQ(FindCalibrationBlob(f.View(), T), (BlobRect{100, 50, 109, 52}));
}

}  // namespace
}  // namespace halvertone
