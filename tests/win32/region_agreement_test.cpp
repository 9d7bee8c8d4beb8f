// Our polygon regions against GDI's own (CreatePolygonRgn, winding mode): every pixel of the
// camera frame and its surroundings must agree, on random quadrilaterals and 16-vertex
// outlines, including self-touching and degenerate ones.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <vector>

#include "calibration/polygon_region.h"

namespace halvertone {
namespace {

constexpr int kLeft = -40, kTop = -40, kRight = 680, kBottom = 520;
constexpr int kW = kRight - kLeft, kH = kBottom - kTop;

// Rasterises a GDI region through its rectangles (GetRegionData): the same answer as
// PtInRegion for every pixel, at a fraction of the calls.
std::vector<uint8_t> RasteriseGdi(HRGN rgn) {
    std::vector<uint8_t> mask(static_cast<size_t>(kW) * kH, 0);
    const DWORD size = GetRegionData(rgn, 0, nullptr);
    std::vector<uint8_t> buf(size);
    auto* data = reinterpret_cast<RGNDATA*>(buf.data());
    if (size == 0 || GetRegionData(rgn, size, data) == 0) return mask;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        const RECT& r = rects[i];
        for (int y = std::max<LONG>(r.top, kTop); y < std::min<LONG>(r.bottom, kBottom); ++y)
            for (int x = std::max<LONG>(r.left, kLeft); x < std::min<LONG>(r.right, kRight); ++x)
                mask[static_cast<size_t>(y - kTop) * kW + static_cast<size_t>(x - kLeft)] = 1;
    }
    return mask;
}

// Compares every pixel; also spot-checks PtInRegion itself so the rasterisation cannot hide
// a disagreement.
void ExpectAgreement(const std::vector<PixelPoint>& pts, std::mt19937& rng, const char* what,
                     int iter) {
    std::vector<POINT> gp(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) gp[i] = POINT{pts[i].x, pts[i].y};
    HRGN rgn = CreatePolygonRgn(gp.data(), static_cast<int>(gp.size()), WINDING);
    ASSERT_NE(rgn, nullptr);
    const auto mask = RasteriseGdi(rgn);
    const PolygonRegion ours = PolygonRegion::FromPolygon(pts);
    int mismatches = 0;
    for (int y = kTop; y < kBottom && mismatches < 5; ++y) {
        for (int x = kLeft; x < kRight; ++x) {
            const bool gdi =
                mask[static_cast<size_t>(y - kTop) * kW + static_cast<size_t>(x - kLeft)] != 0;
            if (gdi != ours.Contains(x, y)) {
                ADD_FAILURE() << what << " #" << iter << ": pixel (" << x << "," << y
                              << ") gdi=" << gdi;
                if (++mismatches >= 5) break;
            }
        }
    }
    for (int i = 0; i < 300; ++i) {
        const int x = kLeft + static_cast<int>(rng() % kW), y = kTop + static_cast<int>(rng() % kH);
        ASSERT_EQ(PtInRegion(rgn, x, y) != 0, ours.Contains(x, y))
            << what << " PtInRegion (" << x << "," << y << ")";
    }
    RECT box{};
    const int kind = GetRgnBox(rgn, &box);
    if (kind != NULLREGION) {
        const PixelRect ob = ours.BoundingBox();
        EXPECT_EQ((PixelRect{box.left, box.top, box.right, box.bottom}), ob)
            << what << " #" << iter << " box";
    } else {
        EXPECT_TRUE(ours.Empty()) << what << " #" << iter;
    }
    DeleteObject(rgn);
}

PixelPoint RandomPoint(std::mt19937& rng, int spread) {
    return {static_cast<int32_t>(rng() % (640 + 2 * spread)) - spread,
            static_cast<int32_t>(rng() % (480 + 2 * spread)) - spread};
}

TEST(RegionAgreement, RandomQuadrilaterals) {
    std::mt19937 rng(2024);
    for (int iter = 0; iter < 120; ++iter) {
        std::vector<PixelPoint> q(4);
        for (auto& p : q) p = RandomPoint(rng, 30);
        ExpectAgreement(q, rng, "quad", iter);
    }
}

TEST(RegionAgreement, PlausibleLatticeOutlines) {
    // 16-vertex outlines like the calibrated screen's: a perspective quad with jitter.
    std::mt19937 rng(99);
    for (int iter = 0; iter < 80; ++iter) {
        const int l = 20 + static_cast<int>(rng() % 120), t = 20 + static_cast<int>(rng() % 100);
        const int r = 500 + static_cast<int>(rng() % 140), b = 360 + static_cast<int>(rng() % 120);
        std::vector<PixelPoint> ring;
        auto jitter = [&] { return static_cast<int32_t>(rng() % 15) - 7; };
        for (int c = 0; c <= 4; ++c) ring.push_back({l + (r - l) * c / 4 + jitter(), t + jitter()});
        for (int rr = 1; rr <= 4; ++rr)
            ring.push_back({r + jitter(), t + (b - t) * rr / 4 + jitter()});
        for (int c = 3; c >= 0; --c) ring.push_back({l + (r - l) * c / 4 + jitter(), b + jitter()});
        for (int rr = 3; rr >= 1; --rr)
            ring.push_back({l + jitter(), t + (b - t) * rr / 4 + jitter()});
        ExpectAgreement(ring, rng, "lattice", iter);
    }
}

TEST(RegionAgreement, RandomSixteenVertexOutlines) {
    std::mt19937 rng(7);
    for (int iter = 0; iter < 60; ++iter) {
        std::vector<PixelPoint> v(16);
        for (auto& p : v) p = RandomPoint(rng, 40);
        ExpectAgreement(v, rng, "random16", iter);
    }
}

TEST(RegionAgreement, SelfTouchingAndDegenerateOutlines) {
    std::mt19937 rng(5);
    const std::vector<std::vector<PixelPoint>> cases = {
        {{100, 100}, {200, 100}, {150, 150}, {200, 200}, {100, 200}, {150, 150}},  // touching at a
                                                                                   // vertex
        {{0, 0}, {640, 0}, {640, 480}, {0, 480}},          // the whole frame
        {{50, 50}, {50, 50}, {50, 50}, {50, 50}},          // collapsed to a point
        {{10, 10}, {300, 200}, {150, 105}, {10, 10}},      // collapsed to a line
        std::vector<PixelPoint>(16),                       // fresh-install lattice
        {{100, 100}, {300, 300}, {300, 100}, {100, 300}},  // bow tie
        {{-30, -30}, {670, -30}, {320, 510}},              // beyond the frame
        {{100, 100},
         {400, 100},
         {400, 300},
         {100, 300},
         {200, 150},
         {300, 150},
         {300, 250},
         {200, 250}},
        {{0, 0}, {7, 3}, {13, 1}, {29, 9}, {17, 27}, {3, 19}},  // odd slopes
    };
    for (size_t i = 0; i < cases.size(); ++i)
        ExpectAgreement(cases[i], rng, "special", static_cast<int>(i));
}

}  // namespace
}  // namespace halvertone
