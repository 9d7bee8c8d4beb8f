// The virtual pen and what the synthetic camera renders of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "simulator/camera_scene.h"
#include "simulator/pen_script.h"
#include "simulator/screen_projection.h"
#include "tracking/spot_finder.h"

namespace halvertone::sim {
namespace {

TEST(PenScript, GlidesBetweenLitKeysAndGoesDarkAtUpKeys) {
    PenScript s;
    s.Down(100, 0, 0).Down(200, 100, 50).Up(300).Down(400, 10, 10);
    EXPECT_FALSE(s.At(0).down) << "dark before the first key";
    EXPECT_FALSE(s.At(99).down);
    EXPECT_EQ(s.At(100), (PenSample{true, 0, 0}));
    EXPECT_EQ(s.At(150), (PenSample{true, 50, 25}));
    EXPECT_EQ(s.At(200), (PenSample{true, 100, 50}));
    EXPECT_EQ(s.At(250), (PenSample{true, 100, 50})) << "holds still before an up key";
    EXPECT_FALSE(s.At(300).down);
    EXPECT_FALSE(s.At(399).down);
    EXPECT_EQ(s.At(400), (PenSample{true, 10, 10}));
    EXPECT_EQ(s.At(100000), (PenSample{true, 10, 10})) << "stays at the last key";
    EXPECT_EQ(s.EndMs(), 400u);

    PenScript late;
    late.Down(100, 1, 1).Down(50, 9, 9);  // out of order: ignored
    EXPECT_EQ(late.At(1000), (PenSample{true, 1, 1}));
    EXPECT_FALSE(PenScript{}.At(5).down);
}

TEST(ScreenProjection, DefaultMapsTheScreenCornersIntoTheMiddleOfThePicture) {
    const AffineProjection p = DefaultProjection(1024, 768);
    const auto tl = p(0, 0), br = p(1024, 768), mid = p(512, 384);
    ASSERT_TRUE(tl && br && mid);
    EXPECT_DOUBLE_EQ(tl->x, 80);
    EXPECT_DOUBLE_EQ(tl->y, 60);
    EXPECT_DOUBLE_EQ(br->x, 560);
    EXPECT_DOUBLE_EQ(br->y, 420);
    EXPECT_DOUBLE_EQ(mid->x, 320);
    EXPECT_DOUBLE_EQ(mid->y, 240);
    const auto degenerate = AffineProjection::FromRect(0, 0, 10, 20, 30, 40)(5, 5);
    EXPECT_DOUBLE_EQ(degenerate->x, 10) << "a zero-sized screen maps to the corner, not NaN";
}

TEST(CameraScene, ThePenSpotIsFoundWhereTheProjectionPutsIt) {
    CameraScene scene(DefaultProjection(1024, 768), SceneOptions{});
    const auto& frame = scene.Render(PenSample{true, 256, 192});
    ASSERT_EQ(frame.size(), kFrameBytes);
    const auto hit = FindSpot(CameraFrame{frame.data()}, kWholeFrame, 150, ScanRows::kMouse);
    ASSERT_TRUE(hit);
    const PixelPoint c = hit->box.Centre();
    EXPECT_NEAR(c.x, 200, 2);
    EXPECT_NEAR(c.y, 150, 2);
    ASSERT_TRUE(scene.LastSpot());
    EXPECT_DOUBLE_EQ(scene.LastSpot()->x, 200);
}

TEST(CameraScene, PenUpLeavesOnlyDarkNoiseThatVariesFromFrameToFrame) {
    SceneOptions o;
    o.background = 16;
    o.noise = 12;
    CameraScene scene(DefaultProjection(1024, 768), o);
    const std::vector<uint8_t> a = scene.Render(PenSample{false, 256, 192});
    EXPECT_FALSE(scene.LastSpot());
    EXPECT_GE(*std::min_element(a.begin(), a.end()), 16);
    EXPECT_LE(*std::max_element(a.begin(), a.end()), 28);
    EXPECT_GT(*std::max_element(a.begin(), a.end()), 20) << "there is noise";
    EXPECT_FALSE(BrightPixelPresent(CameraFrame{a.data()}, 150));
    const std::vector<uint8_t> b = scene.Render(PenSample{});
    EXPECT_NE(a, b);

    CameraScene same(DefaultProjection(1024, 768), o);
    EXPECT_EQ(same.Render(PenSample{}), a) << "reproducible from the seed";
}

TEST(CameraScene, ALampIsBrightEvenWithThePenUp) {
    SceneOptions o;
    o.lamp = Lamp{600, 40, 10, 255};
    CameraScene scene(DefaultProjection(1024, 768), o);
    const auto& f = scene.Render(PenSample{});
    EXPECT_TRUE(BrightPixelPresent(CameraFrame{f.data()}, 200));
    EXPECT_GE(f[PixelOffset(600, 40) + 1], 250);
}

TEST(CameraScene, SpotsOutsideTheFrameOrUnseenAreSkippedSafely) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const CameraPointF where : {CameraPointF{nan, 10}, CameraPointF{10, inf},
                                     CameraPointF{-1e300, 5}, CameraPointF{5000, 5000}}) {
        CameraScene scene([where](double, double) { return std::optional<CameraPointF>{where}; },
                          SceneOptions{});
        const auto& f = scene.Render(PenSample{true, 1, 1});
        EXPECT_FALSE(BrightPixelPresent(CameraFrame{f.data()}, 100)) << where.x << "," << where.y;
    }
    CameraScene unseen([](double, double) { return std::optional<CameraPointF>{}; },
                       SceneOptions{});
    const auto& f = unseen.Render(PenSample{true, 1, 1});
    EXPECT_FALSE(unseen.LastSpot());
    EXPECT_FALSE(BrightPixelPresent(CameraFrame{f.data()}, 100));
}

}  // namespace
}  // namespace halvertone::sim
