// One turn of pen drawing with the pen down: the frame copied into the ring, taken, scanned,
// mapped, accepted by the thinning, recorded and drawn on the simulated screen, then given
// back. "Drawn" paints every piece into the picture; "Counted" only counts the calls.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "doubles/drawing_rig.h"

namespace halvertone {
namespace {

void PenTurns(benchmark::State& state, bool rasterise) {
    sim::SimInkOptions options;
    options.record = false;
    options.rasterise = rasterise;
    sim::DrawingRig r(1920, 1080, options);
    r.Spot(r.penMode, 100, 100);  // pen down
    // Back and forth along a diagonal in steps of 3 pixels: every position is accepted and
    // every third completes a Bezier piece.
    int64_t i = 0;
    for (auto _ : state) {
        const int64_t k = i++ % 1000;
        const int32_t t = static_cast<int32_t>(k < 500 ? k : 1000 - k);
        benchmark::DoNotOptimize(r.Spot(r.penMode, 104 + 3 * t, 104 + 3 * t));
    }
    if (!r.rig.state.penDown) state.SkipWithError("the pen went up");
    state.counters["pieces"] = static_cast<double>(r.canvas.Count(sim::InkOp::kBeziers));
}
void BM_PenTurnDrawn(benchmark::State& state) {
    PenTurns(state, true);
}
void BM_PenTurnCounted(benchmark::State& state) {
    PenTurns(state, false);
}
BENCHMARK(BM_PenTurnDrawn);
BENCHMARK(BM_PenTurnCounted);

}  // namespace
}  // namespace halvertone
