// Polygon regions answer per pixel like GDI: integer corner point, winding rule, left and top
// edges inside, right and bottom edges outside. (The Wine test compares against GDI itself.)
#include <gtest/gtest.h>

#include <random>

#include "calibration/polygon_region.h"

namespace halvertone {
namespace {

TEST(PolygonRegion, RectangleBehavesLikeARectRegion) {
    const auto r = PolygonRegion::FromRect({10, 20, 30, 40});
    EXPECT_TRUE(r.Contains(10, 20));
    EXPECT_TRUE(r.Contains(29, 39));
    EXPECT_FALSE(r.Contains(30, 25));
    EXPECT_FALSE(r.Contains(15, 40));
    EXPECT_FALSE(r.Contains(9, 25));
    EXPECT_EQ(r.BoundingBox(), (PixelRect{10, 20, 30, 40}));
}

TEST(PolygonRegion, SlantedEdgeSpanRunsFromCeilToCeilMinusOne) {
    // Triangle (0,0) (10,0) (0,10): on row 3 the right edge is at x = 7 exactly, so the span
    // is 0 .. 6; on row 0 it is 0 .. 9.
    const PixelPoint tri[] = {{0, 0}, {10, 0}, {0, 10}};
    const auto r = PolygonRegion::FromPolygon(tri);
    EXPECT_TRUE(r.Contains(6, 3));
    EXPECT_FALSE(r.Contains(7, 3));
    EXPECT_TRUE(r.Contains(9, 0));
    EXPECT_FALSE(r.Contains(0, 10));
    // Right edge at x = 2.5 on row 5 of (0,0) (5,0) (0,10) -> columns 0 .. 2.
    const PixelPoint tri2[] = {{0, 0}, {5, 0}, {0, 10}};
    const auto r2 = PolygonRegion::FromPolygon(tri2);
    EXPECT_TRUE(r2.Contains(2, 5));
    EXPECT_FALSE(r2.Contains(3, 5));
}

TEST(PolygonRegion, WindingRuleFillsOverlapsAndSelfIntersections) {
    // A pentagram: the winding rule fills the centre that even-odd would leave empty.
    const PixelPoint star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    const auto r = PolygonRegion::FromPolygon(star);
    EXPECT_TRUE(r.Contains(50, 50));
    EXPECT_TRUE(r.Contains(50, 10));
    EXPECT_FALSE(r.Contains(50, 85));
    // A polygon traced twice around the same square still covers it once.
    const PixelPoint twice[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const auto r2 = PolygonRegion::FromPolygon(twice);
    EXPECT_TRUE(r2.Contains(5, 5));
    EXPECT_FALSE(r2.Contains(10, 5));
}

TEST(PolygonRegion, DegenerateOutlinesAreEmptyAndNeverFail) {
    const PixelPoint line[] = {{0, 0}, {100, 100}, {50, 50}};
    EXPECT_TRUE(PolygonRegion::FromPolygon(line).Empty());
    const PixelPoint flat[] = {{0, 5}, {100, 5}, {50, 5}};
    EXPECT_TRUE(PolygonRegion::FromPolygon(flat).Empty());
    const PixelPoint zero[16] = {};
    const auto z = PolygonRegion::FromPolygon(zero);
    EXPECT_TRUE(z.Empty());
    EXPECT_FALSE(z.Contains(0, 0));
    EXPECT_EQ(z.BoundingBox(), (PixelRect{0, 0, 0, 0}));
    const PixelPoint huge[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}};
    const auto h = PolygonRegion::FromPolygon(huge);
    EXPECT_TRUE(h.Contains(300, 200));
}

TEST(PolygonRegion, SpansAgreeWithContainsOnRandomOutlines) {
    std::mt19937 rng(7);
    for (int iter = 0; iter < 50; ++iter) {
        std::vector<PixelPoint> v(4 + rng() % 13);
        for (auto& p : v) p = {static_cast<int32_t>(rng() % 700) - 30, static_cast<int32_t>(rng() % 540) - 30};
        const auto r = PolygonRegion::FromPolygon(v);
        int64_t fromSpans = 0, fromContains = 0;
        for (int y = -40; y < 520; ++y) {
            int32_t prevEnd = INT32_MIN;
            for (const auto& s : r.RowSpans(y)) {
                ASSERT_LT(s.begin, s.end);
                ASSERT_LT(prevEnd, s.begin) << "spans must be sorted and apart";
                prevEnd = s.end;
                fromSpans += s.end - s.begin;
            }
            for (int x = -40; x < 700; ++x) fromContains += r.Contains(x, y);
        }
        EXPECT_EQ(fromSpans, fromContains);
    }
}

}  // namespace
}  // namespace halvertone
