// The camera view's picture and the frame copy it is made from.
#include <gtest/gtest.h>

#include <vector>

#include "capture/frame_snapshot.h"
#include "doubles/virtual_clock.h"
#include "shell/camera_view_picture.h"

namespace halvertone {
namespace {

std::vector<uint8_t> DarkFrame() {
    return std::vector<uint8_t>(kFrameBytes, 20);
}

void Light(std::vector<uint8_t>& frame, int x0, int y0, int side, uint8_t level) {
    for (int y = y0; y < y0 + side; ++y)
        for (int x = x0; x < x0 + side; ++x)
            for (int k = 0; k < 3; ++k) frame[PixelOffset(x, y) + k] = level;
}

CalibrationGrid Grid() {
    CalibrationGrid g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) g.G(r, c) = {100 + 100 * c, 60 + 80 * r};
    return g;
}

TEST(CameraView, PictureTintsBrightPixelsAndMarksSpotOutlineAndLattice) {
    std::vector<uint8_t> frame = DarkFrame();
    Light(frame, 300, 200, 9, 250);  // the pen
    Light(frame, 20, 440, 3, 200);   // a lamp outside the scanned window
    const CameraFrame view{frame.data()};
    const CameraViewMarks marks = MarksFor(view, 150, PixelRect{0, 0, 640, 400}, Grid());
    ASSERT_TRUE(marks.spot.has_value());
    EXPECT_NEAR(marks.spot->Centre().x, 304, 1);
    EXPECT_NEAR(marks.spot->Centre().y, 204, 1);
    std::vector<uint8_t> picture;
    ComposeCameraView(view, marks, picture);

    EXPECT_EQ(ColourAt(picture, 21, 441), kBrightTint) << "stray light shows up";
    EXPECT_EQ(ColourAt(picture, 304, 204), kSpotColour) << "the spot's centre";
    EXPECT_EQ(ColourAt(picture, marks.spot->minX, marks.spot->maxY), kSpotColour);
    EXPECT_EQ(ColourAt(picture, 150, 60), kOutlineColour) << "top edge between G(0,0) and G(0,1)";
    EXPECT_EQ(ColourAt(picture, 500, 260), kOutlineColour) << "right edge";
    EXPECT_EQ(ColourAt(picture, 250, 140), ColourAt(picture, 250, 141)) << "no outline inside";
    EXPECT_EQ(ColourAt(picture, 301, 222), kLatticeColour) << "G(2,2) beside the spot";
    EXPECT_EQ(ColourAt(picture, 600, 20), (ViewColour{20, 20, 20})) << "the rest is the picture";
}

TEST(CameraView, NoCalibrationNoSpotAndMarksOffTheFrameDrawNothingWrong) {
    std::vector<uint8_t> frame = DarkFrame();
    const CameraViewMarks none = MarksFor(CameraFrame{frame.data()}, 150, kWholeFrame, {});
    EXPECT_FALSE(none.spot.has_value());
    EXPECT_TRUE(none.outline.empty() && none.lattice.empty());
    std::vector<uint8_t> picture;
    ComposeCameraView(CameraFrame{frame.data()}, none, picture);
    EXPECT_EQ(picture, frame);

    CalibrationGrid wild = Grid();
    wild.G(0, 0) = {-2000000000, 2000000000};  // a degenerate calibration
    ComposeCameraView(CameraFrame{frame.data()},
                      MarksFor(CameraFrame{frame.data()}, 150, kWholeFrame, wild), picture);
    EXPECT_EQ(picture.size(), kFrameBytes);
}

TEST(CameraView, SnapshotCopiesAtItsRateOnlyWhileWantedAndTurnsLikeTheTrackers) {
    sim::VirtualClock clock(1000);
    FrameSnapshot snapshot(clock, 150);
    std::vector<uint8_t> frame = DarkFrame();
    frame[0] = 7;  // the first byte of the bottom row
    std::vector<uint8_t> out;
    snapshot.Offer(frame.data(), static_cast<long>(frame.size()), FrameCopy::kAsIs);
    EXPECT_EQ(snapshot.Read(out), 0u) << "nobody looks: nothing copied";

    snapshot.SetWanted(true);
    snapshot.Offer(frame.data(), static_cast<long>(frame.size()), FrameCopy::kAsIs);
    EXPECT_EQ(snapshot.Read(out), 1u);
    EXPECT_EQ(out, frame);
    clock.Advance(100);
    snapshot.Offer(frame.data(), static_cast<long>(frame.size()), FrameCopy::kTurned180);
    snapshot.Offer(frame.data(), 1000, FrameCopy::kAsIs);
    EXPECT_EQ(snapshot.Read(out), 1u) << "too soon, and a broken frame is never kept";
    clock.Advance(50);
    snapshot.Offer(frame.data(), static_cast<long>(frame.size()), FrameCopy::kTurned180);
    EXPECT_EQ(snapshot.Read(out), 2u);
    EXPECT_EQ(out[kFrameBytes - 3], 7) << "turned as the trackers see it";
}

TEST(CameraView, FiguresPerSecondFromTheRingTotals) {
    const FrameFigures f = FiguresBetween({100, 2, 90, 9000}, {130, 3, 120, 12000}, 1000);
    EXPECT_DOUBLE_EQ(f.cameraPerSecond, 30);
    EXPECT_DOUBLE_EQ(f.trackedPerSecond, 30);
    EXPECT_DOUBLE_EQ(f.msPerFrame, 0.1);
    EXPECT_EQ(f.lost, 3u);
    const FrameFigures idle = FiguresBetween({5, 0, 5, 0}, {5, 0, 5, 0}, 0);
    EXPECT_EQ(idle.cameraPerSecond, 0);
    EXPECT_EQ(idle.msPerFrame, 0);
}

}  // namespace
}  // namespace halvertone
