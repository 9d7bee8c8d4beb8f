// The synthetic camera: corners where they were put, straight lines bent only by the lens,
// screen -> camera -> screen round trips, and the thirteen points of a perfect calibration.
#include "simulator/camera_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "simulator/homography.h"

namespace halvertone::sim {
namespace {

TEST(Homography, MapsCornersAndInverts) {
    const std::array<Point2, 4> from{{{0, 0}, {1024, 0}, {1024, 768}, {0, 768}}};
    const std::array<Point2, 4> to{{{70, 50}, {590, 40}, {610, 440}, {50, 420}}};
    const auto h = Homography::FromCorners(from, to);
    ASSERT_TRUE(h);
    const auto inv = h->Inverse();
    ASSERT_TRUE(inv);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(h->Apply(from[i]).x, to[i].x, 1e-9);
        EXPECT_NEAR(h->Apply(from[i]).y, to[i].y, 1e-9);
    }
    const Point2 back = inv->Apply(h->Apply({333, 444}));
    EXPECT_NEAR(back.x, 333, 1e-9);
    EXPECT_NEAR(back.y, 444, 1e-9);
    const std::array<Point2, 4> collinear{{{0, 0}, {1, 1}, {2, 2}, {3, 3}}};
    EXPECT_FALSE(Homography::FromCorners(collinear, to));
}

TEST(CameraModel, ScreenCornersLandWhereConfigured) {
    for (double k1 : {0.0, -0.15, -0.25}) {
        CameraModelConfig c;
        c.k1 = k1;
        const CameraModel m(c);
        ASSERT_TRUE(m.Valid());
        const Point2 screen[4] = {{0, 0}, {1024, 0}, {1024, 768}, {0, 768}};
        for (size_t i = 0; i < 4; ++i) {
            const Point2 p = m.ScreenToCamera(screen[i]);
            EXPECT_NEAR(p.x, c.corners[i].x, 1e-6) << k1 << " corner " << i;
            EXPECT_NEAR(p.y, c.corners[i].y, 1e-6) << k1 << " corner " << i;
        }
    }
}

TEST(CameraModel, BarrelDistortionBowsTheScreenEdgesOutward) {
    CameraModelConfig c;
    const Point2 straight = CameraModel(c).ScreenToCamera({512, 0});
    c.k1 = -0.15;
    const Point2 bent = CameraModel(c).ScreenToCamera({512, 0});
    // The top edge's middle lies on the corner-to-corner line without a lens, above it with one.
    const Point2 a = c.corners[0], b = c.corners[1];
    const double chordY = a.y + (b.y - a.y) * (straight.x - a.x) / (b.x - a.x);
    EXPECT_NEAR(straight.y, chordY, 1e-6);
    EXPECT_LT(bent.y, chordY - 3);
}

TEST(CameraModel, RoundTripsForEveryOrientation) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> sx(0, 1920), sy(0, 1080);
    for (int orientation = 0; orientation < 4; ++orientation) {
        CameraModelConfig c;
        c.screenWidth = 1920;
        c.screenHeight = 1080;
        c.k1 = -0.2;
        c.upsideDown = orientation & 1;
        c.mirrored = orientation & 2;
        const CameraModel m(c);
        for (int i = 0; i < 200; ++i) {
            const Point2 s{sx(rng), sy(rng)};
            const auto back = m.CameraToScreen(m.ScreenToCamera(s));
            ASSERT_TRUE(back);
            EXPECT_NEAR(back->x, s.x, 1e-6);
            EXPECT_NEAR(back->y, s.y, 1e-6);
        }
    }
    CameraModelConfig turned;
    turned.upsideDown = true;
    const Point2 p = CameraModel(turned).ScreenToCamera({0, 0});
    EXPECT_NEAR(p.x, 640 - turned.corners[0].x, 1e-9);
    EXPECT_NEAR(p.y, 480 - turned.corners[0].y, 1e-9);
}

TEST(CameraModel, ServesAsTheSyntheticCamerasProjection) {
    CameraModelConfig c;
    c.k1 = -0.15;
    const CameraModel m(c);
    const ScreenToCamera projection = m.Projection();
    const auto p = projection(300, 200);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x, m.ScreenToCamera({300, 200}).x);
    EXPECT_EQ(p->y, m.ScreenToCamera({300, 200}).y);
    c.k1 = 0;
    c.corners = {{{0, 0}, {1, 1}, {2, 2}, {3, 3}}};  // no view at all
    EXPECT_FALSE(CameraModel(c).Projection()(300, 200));
}

TEST(CameraModel, NoInverseBeyondWhatTheLensShows) {
    CameraModelConfig c;
    c.k1 = -0.25;  // r (1 - 0.25 r^2) peaks at about 0.77 focal lengths
    c.focalPixels = 300;
    const CameraModel m(c);
    EXPECT_FALSE(m.CameraToScreen({0, 0}));
    c.corners[0] = {-200, -200};  // a corner the lens cannot show
    EXPECT_FALSE(CameraModel(c).Valid());
}

TEST(CameraModel, CrossesOfMainAndInnerTargets) {
    const TargetGeometry t{};  // 1024 x 768, margins 10, size 16
    // Main crosses sit at l + S/2 + 1, inner ones one pixel further left.
    EXPECT_EQ(CrossOf(MainTarget(t, 0, 0, TargetStyle::kMeasured)), (PixelPoint{19, 18}));
    EXPECT_EQ(CrossOf(MainTarget(t, 1, 2, TargetStyle::kCurrent)), (PixelPoint{1007, 384}));
    EXPECT_EQ(CrossOf(InnerTarget(t, 0, 0, TargetStyle::kMeasured)), (PixelPoint{262, 198}));
    EXPECT_EQ(CrossOf(InnerTarget(t, 1, 1, TargetStyle::kMeasured)), (PixelPoint{765, 573}));
}

TEST(CameraModel, MeasuredLatticeHoldsTheThirteenTargetPixels) {
    CameraModelConfig c;
    c.k1 = -0.1;
    const CameraModel m(c);
    const TargetGeometry t{};  // 1024 x 768, margins 10, size 16
    const CalibrationGrid g = m.MeasuredLattice(t);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(g.G(2 * i, 2 * j),
                      *m.CameraPixelOf(CrossOf(MainTarget(t, i, j, TargetStyle::kMeasured))));
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            EXPECT_EQ(g.G(2 * a + 1, 2 * b + 1),
                      *m.CameraPixelOf(CrossOf(InnerTarget(t, a, b, TargetStyle::kMeasured))));
    EXPECT_EQ(g.G(0, 1), (PixelPoint{0, 0}));  // derived points are left to the build
    // The top-left target (19, 18) sits just inside the screen's top-left corner (72, 54).
    EXPECT_GT(g.G(0, 0).x, 72);
    EXPECT_LT(g.G(0, 0).x, 90);
    EXPECT_GT(g.G(0, 0).y, 54);
    EXPECT_LT(g.G(0, 0).y, 70);
}

}  // namespace
}  // namespace halvertone::sim
