// The per-pixel polygon test that the table build is checked against, against GDI's own
// point-in-region answer for the shapes a build makes: lattice cells (also folded and
// collapsed ones), 16-point outlines and 5-point border bands.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <vector>

#include "calibration/per_pixel_table_fill.h"

namespace halvertone {
namespace {

void ExpectAgreement(const std::vector<PixelPoint>& pts, std::mt19937& rng, int iter) {
    std::vector<POINT> gp(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) gp[i] = POINT{pts[i].x, pts[i].y};
    HRGN rgn = CreatePolygonRgn(gp.data(), static_cast<int>(gp.size()), WINDING);
    ASSERT_NE(rgn, nullptr);
    RECT box{};
    GetRgnBox(rgn, &box);
    std::uniform_int_distribution<int> x(box.left - 3, box.right + 3),
        y(box.top - 3, box.bottom + 3);
    int mismatches = 0;
    for (int i = 0; i < 3000 && mismatches < 5; ++i) {
        const int px = x(rng), py = y(rng);
        const bool gdi = PtInRegion(rgn, px, py) != 0;
        if (gdi == PolygonContainsPixel(pts, px, py)) continue;
        ADD_FAILURE() << "#" << iter << " pixel (" << px << "," << py << ") gdi=" << gdi;
        ++mismatches;
    }
    DeleteObject(rgn);
}

TEST(PolygonPixelAgreement, CellsOutlinesAndBands) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-60, 700), jitter(-25, 25);
    for (int iter = 0; iter < 60; ++iter) {
        std::vector<PixelPoint> pts;
        const int kind = iter % 3;
        if (kind == 0) {  // a cell: four points, sometimes folded or collapsed
            for (int i = 0; i < 4; ++i) pts.push_back({coord(rng), coord(rng)});
            if (iter % 9 == 0) pts[3] = pts[0];
        } else if (kind == 1) {  // an outline: 16 points around a rough rectangle
            const int l = 40 + jitter(rng), t = 30 + jitter(rng), r = 600 + jitter(rng),
                      b = 450 + jitter(rng);
            for (int i = 0; i < 4; ++i)
                pts.push_back({l + i * (r - l) / 4 + jitter(rng), t + jitter(rng)});
            for (int i = 0; i < 4; ++i)
                pts.push_back({r + jitter(rng), t + i * (b - t) / 4 + jitter(rng)});
            for (int i = 0; i < 4; ++i)
                pts.push_back({r - i * (r - l) / 4 + jitter(rng), b + jitter(rng)});
            for (int i = 0; i < 4; ++i)
                pts.push_back({l + jitter(rng), b - i * (b - t) / 4 + jitter(rng)});
        } else {  // a band: three lattice points and two on the window's edge
            const int top = coord(rng) / 4;
            const PixelPoint a{coord(rng) / 3, 100 + jitter(rng)},
                c{400 + coord(rng) / 3, 100 + jitter(rng)};
            pts = {a, {(a.x + c.x) / 2, 90 + jitter(rng)}, c, {c.x, top}, {a.x, top}};
        }
        ExpectAgreement(pts, rng, iter);
    }
}

}  // namespace
}  // namespace halvertone
