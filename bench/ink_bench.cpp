// The ink's two hot paths on the simulated screen: one accepted live point, and the full
// redraw of a list of strokes. "Drawn" variants paint every piece into the picture; "Counted"
// ones only count the drawing calls, which isolates the stroke machinery itself.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "ink_harness.h"

namespace halvertone {
namespace {

using testing::InkHarness;

constexpr int32_t kScreenW = 1920;
constexpr int32_t kScreenH = 1080;
constexpr int kPointsPerStroke = 500;

sim::SimInkOptions Options(bool rasterise) {
    sim::SimInkOptions o;
    o.record = false;
    o.rasterise = rasterise;
    return o;
}

void LiveAcceptedPoint(benchmark::State& state, bool rasterise) {
    InkHarness h(kScreenW, kScreenH, Options(rasterise));
    h.screen.Acquire(false, h.pen.Pen());
    // Back and forth along a diagonal in steps of 3 pixels: every point passes the thinning,
    // and every third one completes a Bezier piece.
    int64_t i = 0;
    for (auto _ : state) {
        const int64_t k = i++ % 1000;
        const int32_t t = static_cast<int32_t>(k < 500 ? k : 1000 - k);
        benchmark::DoNotOptimize(h.live.AddLivePoint(0, 100 + 3 * t, 100 + 2 * t));
    }
    if (h.live.Buffer().count == 0) state.SkipWithError("nothing buffered");
}
void BM_LiveAcceptedPointDrawn(benchmark::State& state) {
    LiveAcceptedPoint(state, true);
}
void BM_LiveAcceptedPointCounted(benchmark::State& state) {
    LiveAcceptedPoint(state, false);
}
BENCHMARK(BM_LiveAcceptedPointDrawn);
BENCHMARK(BM_LiveAcceptedPointCounted);

// Random walks of 500 points over the screen, steps of 2 to 6 pixels on each axis.
void FillStrokes(StrokeList& list, int strokes) {
    uint32_t seed = 12345;
    auto next = [&seed](int32_t lo, int32_t hi) {
        seed = seed * 1664525u + 1013904223u;
        return lo + static_cast<int32_t>((seed >> 8) % static_cast<uint32_t>(hi - lo + 1));
    };
    for (int s = 0; s < strokes; ++s) {
        PixelPoint p{next(100, kScreenW - 100), next(100, kScreenH - 100)};
        std::vector<PixelPoint> points;
        for (int k = 0; k < kPointsPerStroke; ++k) {
            points.push_back(p);
            p.x += next(0, 1) ? next(2, 6) : -next(2, 6);
            p.y += next(0, 1) ? next(2, 6) : -next(2, 6);
            p.x = p.x < 0 ? 0 : (p.x >= kScreenW ? kScreenW - 1 : p.x);
            p.y = p.y < 0 ? 0 : (p.y >= kScreenH ? kScreenH - 1 : p.y);
        }
        list.Add(StrokeEntry{PenStrokeData{0x0000FF, 3, 0, std::move(points)}});
    }
}

void Redraw(benchmark::State& state, bool rasterise) {
    InkHarness h(kScreenW, kScreenH, Options(rasterise));
    const int strokes = static_cast<int>(state.range(0));
    FillStrokes(h.lists.DesktopStrokes, strokes);
    for (auto _ : state) {
        if (!h.redraw.RedrawStrokes(h.lists.DesktopStrokes)) state.SkipWithError("busy");
    }
    state.SetComplexityN(static_cast<int64_t>(strokes) * kPointsPerStroke);
    state.counters["points"] = static_cast<double>(strokes) * kPointsPerStroke;
}
void BM_RedrawDrawn(benchmark::State& state) {
    Redraw(state, true);
}
void BM_RedrawCounted(benchmark::State& state) {
    Redraw(state, false);
}
// 100, 200 and 400 strokes: the time should grow with the number of points, no faster.
void StrokeCounts(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(200)->Arg(400)->Complexity(benchmark::oN);
}
BENCHMARK(BM_RedrawDrawn)->Apply(StrokeCounts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawCounted)->Apply(StrokeCounts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvertone
