// One turn of mouse mode without its sleeps: the frame copied into the ring, taken, scanned,
// mapped, decided on and recorded on the sim sink, then given back. To be read beside
// BM_FramePath* (the same road without the decision and the input).
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/allocation_counter.h"
#include "simulator/frame_painter.h"
#include "doubles/mouse_rig.h"

namespace halvertone {
namespace {

std::vector<uint8_t> SpotFrame(double x, double y) {
    sim::FramePainter f(25);
    if (x >= 0) f.AddSpot(x, y, 3.0, 255);
    return f.Bytes();
}

// Alternates between the frames; while pressed, each spot is far enough from the last to
// send a move.
void RunMouseTurns(benchmark::State& state, const std::vector<std::vector<uint8_t>>& frames,
                   bool pressed) {
    sim::MouseRig rig;
    for (int x = 0; x < kFrameWidth; ++x)
        for (int y = 0; y < kFrameHeight; ++y) rig.mapping.Table().At(x, y) = {x * 2, y * 2};
    rig.ring.AcceptFrames();
    rig.state.penDown = pressed;
    // Warm up: slots allocated, the recorder's storage grown.
    for (int i = 0; i < 2048; ++i) {
        const auto& f = frames[static_cast<size_t>(i) % frames.size()];
        rig.ring.BufferCB(f.data(), static_cast<long>(f.size()));
        rig.mouse.OnMouseFrame();
    }
    // The drag must really decide and send, or the figure means nothing.
    if (pressed && rig.input.Records().size() < 2048) state.SkipWithError("the drag sent no moves");
    rig.input.Clear();
    const uint64_t before = bench::AllocationCount();
    size_t i = 0;
    for (auto _ : state) {
        const auto& f = frames[i % frames.size()];
        rig.ring.BufferCB(f.data(), static_cast<long>(f.size()));
        benchmark::DoNotOptimize(rig.mouse.OnMouseFrame());
        if ((++i & 1023) == 0) rig.input.Clear();
    }
    state.counters["allocs/turn"] = static_cast<double>(bench::AllocationCount() - before) /
                                    static_cast<double>(state.iterations());
}

void BM_MouseTurnDrag(benchmark::State& state) {
    RunMouseTurns(state, {SpotFrame(330, 250), SpotFrame(360, 270)}, true);
}
BENCHMARK(BM_MouseTurnDrag);

void BM_MouseTurnDark(benchmark::State& state) {
    RunMouseTurns(state, {SpotFrame(-1, -1)}, false);
}
BENCHMARK(BM_MouseTurnDark);

}  // namespace
}  // namespace halvertone
