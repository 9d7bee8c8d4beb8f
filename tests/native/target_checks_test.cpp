// Plausibility of measured targets: the first-target decision, every row of the distance
// table at its 3/5 and 7/5 bounds in all four camera orientations, and the inner targets.
#include "calibration/target_checks.h"

#include <gtest/gtest.h>

namespace halvertone {
namespace {

// A camera that sees the screen upright, slightly keystoned.
CalibrationGrid UprightGrid() {
    CalibrationGrid g;
    g.G(0, 0) = {100, 60};
    g.G(0, 2) = {310, 62};
    g.G(0, 4) = {520, 64};
    g.G(2, 0) = {98, 230};
    g.G(2, 2) = {312, 232};
    g.G(2, 4) = {524, 234};
    g.G(4, 0) = {96, 400};
    g.G(4, 2) = {314, 402};
    g.G(4, 4) = {528, 404};
    return g;
}

// Accepted ranges per step for UprightGrid, worked out by hand from the distance table:
// e.g. step 2: x - 100 within 320 - 100 = 220 -> 132..308 -> x 232..408;
// t = (240 - 60) / 5 = 36 -> y 24..96.
struct StepBounds {
    int step;
    int r, c;  // the point measured at this step
    int xLo, xHi, yLo, yHi;
};
constexpr int kOpen = 100000;  // no upper bound (step 4's early acceptance)
constexpr StepBounds kBounds[] = {
    {2, 0, 2, 232, 408, 24, 96},      // y within G(0,0).y +- 36
    {3, 0, 4, 436, 604, 26, 98},      // x - 310 within 210; y within G(0,2).y +- 36
    {4, 2, 4, 478, 562, 115, kOpen},  // x within 520 +- 210/5; y - 64 > 50
    {5, 2, 2, 230, 398, 164, 300},    // 524 - x within 210; y - 62 within 170
    {6, 2, 0, 18, 186, 162, 298},     // 312 - x within 210; y - 60 within 170
    {7, 4, 0, 56, 140, 332, 468},     // x within 98 +- 214/5; y - 230 within 170
    {8, 4, 2, 224, 395, 334, 470},    // x - 96 within 214; y - 232 within 170
    {9, 4, 4, 441, 610, 336, 472},    // x - 314 within 212; y - 234 within 170
};

// The same screen seen mirrored: the camera picture flipped about its middle lines.
PixelPoint Mirror(PixelPoint p, int32_t position) {
    if (position == kTurned180 || position == kMirroredLeftRight) p.x = 640 - p.x;
    if (position == kTurned180 || position == kMirroredTopBottom) p.y = 480 - p.y;
    return p;
}
CalibrationGrid Mirror(const CalibrationGrid& g, int32_t position) {
    CalibrationGrid m = g;
    for (auto& p : m.mainPoints) p = Mirror(p, position);
    return m;
}

TEST(TargetChecks, WithinTruncatesBothBounds) {
    EXPECT_TRUE(Within(132, 220));
    EXPECT_FALSE(Within(131, 220));
    EXPECT_TRUE(Within(308, 220));
    EXPECT_FALSE(Within(309, 220));
    // 3 * 214 / 5 = 128.4 -> 128; 7 * 214 / 5 = 299.6 -> 299.
    EXPECT_TRUE(Within(128, 214));
    EXPECT_FALSE(Within(127, 214));
    EXPECT_TRUE(Within(299, 214));
    EXPECT_FALSE(Within(300, 214));
    // Negative spacing truncates toward zero too: -128..-299 is empty.
    EXPECT_FALSE(Within(-200, -214));
    EXPECT_TRUE(Within(0, 1)) << "3/5 and 7/5 of 1 are 0 and 1";
}

TEST(TargetChecks, FirstTargetDecidesHowTheCameraSeesTheScreen) {
    EXPECT_EQ(ProjectorPositionFromFirstTarget({321, 241}), kTurned180);
    EXPECT_EQ(ProjectorPositionFromFirstTarget({321, 239}), kMirroredLeftRight);
    EXPECT_EQ(ProjectorPositionFromFirstTarget({319, 241}), kMirroredTopBottom);
    EXPECT_EQ(ProjectorPositionFromFirstTarget({100, 60}), kUpright);
    // Exactly on a middle line is upright.
    EXPECT_EQ(ProjectorPositionFromFirstTarget({320, 400}), kUpright);
    EXPECT_EQ(ProjectorPositionFromFirstTarget({320, 20}), kUpright);
    EXPECT_EQ(ProjectorPositionFromFirstTarget({600, 240}), kUpright);
    EXPECT_EQ(ProjectorPositionFromFirstTarget({20, 240}), kUpright);
}

TEST(TargetChecks, EveryStepAtItsBoundsInAllFourOrientations) {
    const CalibrationGrid upright = UprightGrid();
    for (int32_t position : {kUpright, kTurned180, kMirroredLeftRight, kMirroredTopBottom}) {
        const CalibrationGrid grid = Mirror(upright, position);
        for (const StepBounds& b : kBounds) {
            const PixelPoint truth = upright.G(b.r, b.c);
            auto ok = [&](int x, int y) {
                return PlausibleMainTarget(b.step, Mirror(PixelPoint{x, y}, position), grid,
                                           position);
            };
            SCOPED_TRACE("position " + std::to_string(position) + " step " +
                         std::to_string(b.step));
            EXPECT_TRUE(ok(truth.x, truth.y));
            EXPECT_TRUE(ok(b.xLo, truth.y));
            EXPECT_FALSE(ok(b.xLo - 1, truth.y));
            EXPECT_TRUE(ok(b.xHi, truth.y));
            EXPECT_FALSE(ok(b.xHi + 1, truth.y));
            EXPECT_TRUE(ok(truth.x, b.yLo));
            EXPECT_FALSE(ok(truth.x, b.yLo - 1));
            if (b.yHi != kOpen) {
                EXPECT_TRUE(ok(truth.x, b.yHi));
                EXPECT_FALSE(ok(truth.x, b.yHi + 1));
            } else {
                EXPECT_TRUE(ok(truth.x, 479));
            }
            // Both tests must pass.
            EXPECT_FALSE(ok(b.xLo - 1, b.yLo - 1));
        }
    }
}

TEST(TargetChecks, UnmirroredTestsRejectAMirroredCamera) {
    // Each orientation's rules turned on the grid of another orientation reject its true points.
    const CalibrationGrid upright = UprightGrid();
    const CalibrationGrid lr = Mirror(upright, kMirroredLeftRight);
    const CalibrationGrid tb = Mirror(upright, kMirroredTopBottom);
    for (int step : {2, 3, 5, 6, 8, 9}) {
        const StepBounds& b = kBounds[step - 2];
        EXPECT_FALSE(PlausibleMainTarget(step, lr.G(b.r, b.c), lr, kUpright)) << step;
        EXPECT_FALSE(PlausibleMainTarget(step, tb.G(b.r, b.c), tb, kMirroredLeftRight)) << step;
    }
}

TEST(TargetChecks, StepFourAcceptsEarlyOnlyBeyondFiftyPixels) {
    // Top row low in the picture: 240 - G(0,4).y = 40, so "within" alone allows d 24..56.
    CalibrationGrid g = UprightGrid();
    g.G(0, 2) = {310, 198};
    g.G(0, 4) = {520, 200};
    EXPECT_TRUE(PlausibleMainTarget(4, {520, 224}, g, kUpright));   // d = 24, within
    EXPECT_FALSE(PlausibleMainTarget(4, {520, 223}, g, kUpright));  // d = 23
    EXPECT_TRUE(PlausibleMainTarget(4, {520, 400}, g, kUpright));   // d = 200 > 50
    // With the first grid the within range starts at 105: only the early rule takes d = 51.
    const CalibrationGrid u = UprightGrid();
    EXPECT_TRUE(PlausibleMainTarget(4, {520, 115}, u, kUpright));
    EXPECT_FALSE(PlausibleMainTarget(4, {520, 114}, u, kUpright));
    // Top-bottom reversed: the early rule applies to G(0,4).y - y.
    CalibrationGrid m;
    m.G(0, 2) = {310, 418};
    m.G(0, 4) = {520, 416};
    EXPECT_TRUE(PlausibleMainTarget(4, {520, 365}, m, kMirroredTopBottom));   // 51 above
    EXPECT_FALSE(PlausibleMainTarget(4, {520, 366}, m, kMirroredTopBottom));  // 50: within 176? no
    EXPECT_FALSE(PlausibleMainTarget(4, {520, 467}, m, kMirroredTopBottom));  // below it
}

TEST(TargetChecks, StillPenIsRejectedForTheNextTarget) {
    for (int32_t position : {kUpright, kTurned180, kMirroredLeftRight, kMirroredTopBottom}) {
        const CalibrationGrid grid = Mirror(UprightGrid(), position);
        // The pen still on the point of step s - 1 when step s is current.
        const int prevR[] = {0, 0, 0, 2, 2, 2, 4, 4};
        const int prevC[] = {0, 2, 4, 4, 2, 0, 0, 2};
        for (int step = 2; step <= 9; ++step) {
            const PixelPoint still = grid.G(prevR[step - 2], prevC[step - 2]);
            EXPECT_FALSE(PlausibleMainTarget(step, still, grid, position))
                << "position " << position << " step " << step;
        }
    }
}

TEST(TargetChecks, OtherPositionsAcceptEverything) {
    const CalibrationGrid g = UprightGrid();
    for (int32_t position : {4, -1, 99})
        for (int step = 2; step <= 9; ++step)
            EXPECT_TRUE(PlausibleMainTarget(step, {0, 0}, g, position));
}

TEST(TargetChecks, InnerTargetsNeedTwentyPixelsInsideTheirQuadrant) {
    const CalibrationGrid g = UprightGrid();
    struct Box {
        int n, xLo, xHi, yLo, yHi;
    };
    const Box boxes[] = {
        {0, 120, 290, 80, 210},   // G(0,0).x + 20 .. G(0,2).x - 20, G(0,0).y + 20 .. G(2,0).y - 20
        {1, 330, 500, 82, 212},   // G(0,2) .. G(0,4), G(0,2).y .. G(2,2).y
        {2, 118, 292, 250, 380},  // G(2,0) .. G(2,2), G(2,0).y .. G(4,0).y
        {3, 332, 504, 252, 382},  // G(2,2) .. G(2,4), G(2,2).y .. G(4,2).y
    };
    for (const Box& b : boxes) {
        const int mx = (b.xLo + b.xHi) / 2;
        const int my = (b.yLo + b.yHi) / 2;
        SCOPED_TRACE(b.n);
        EXPECT_TRUE(InnerTargetInside(b.n, {b.xLo, my}, g));
        EXPECT_TRUE(InnerTargetInside(b.n, {b.xHi, my}, g));
        EXPECT_TRUE(InnerTargetInside(b.n, {mx, b.yLo}, g));
        EXPECT_TRUE(InnerTargetInside(b.n, {mx, b.yHi}, g));
        EXPECT_FALSE(InnerTargetInside(b.n, {b.xLo - 1, my}, g));
        EXPECT_FALSE(InnerTargetInside(b.n, {b.xHi + 1, my}, g));
        EXPECT_FALSE(InnerTargetInside(b.n, {mx, b.yLo - 1}, g));
        EXPECT_FALSE(InnerTargetInside(b.n, {mx, b.yHi + 1}, g));
    }
}

}  // namespace
}  // namespace halvertone
