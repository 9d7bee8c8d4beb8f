// The per-frame path: copy into the ring, spot search, region test and table look-up, beside
// a plain copy of one frame (the floor).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/allocation_counter.h"
#include "calibration/screen_mapping.h"
#include "capture/frame_ring.h"
#include "simulator/frame_painter.h"
#include "tracking/spot_finder.h"
#include "tracking/spot_locator.h"

namespace halvertone {
namespace {

ScreenMapping MakeMapping() {
    ScreenMapping m;
    CalibrationGrid g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) g.G(r, c) = {40 + c * 140, 30 + r * 105};
    m.activeRegion = PolygonRegion::FromPolygon(g.OuterRing());
    m.outsideZones.Build(g);
    for (int x = 0; x < 640; ++x)
        for (int y = 0; y < 480; ++y) m.Table().At(x, y) = {x * 2, y * 2};
    return m;
}

void RunFramePath(benchmark::State& state, const std::vector<uint8_t>& frame) {
    static const ScreenMapping mapping = MakeMapping();
    FrameRing ring;
    ring.AcceptFrames();
    ring.BufferCB(frame.data(), static_cast<long>(frame.size()));  // first frame allocates the slots
    ring.GiveBack();
    ring.Take();
    const uint64_t before = bench::AllocationCount();
    for (auto _ : state) {
        ring.BufferCB(frame.data(), static_cast<long>(frame.size()));
        const TakenFrame t = ring.Take();
        const SpotLocation loc = LocateSpot(t.View(), mapping, 150, ScanRows::kMouse);
        benchmark::DoNotOptimize(loc);
        ring.GiveBack();
    }
    state.counters["allocs/frame"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(state.iterations());
}

void BM_FramePathDark(benchmark::State& state) {
    sim::FramePainter f(25);
    RunFramePath(state, f.Bytes());
}
BENCHMARK(BM_FramePathDark);

void BM_FramePathSpot(benchmark::State& state) {
    sim::FramePainter f(25);
    f.AddSpot(330, 250, 3.0, 255);
    RunFramePath(state, f.Bytes());
}
BENCHMARK(BM_FramePathSpot);

void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<uint8_t> src(kFrameBytes, 25), dst(kFrameBytes);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), kFrameBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFrameBytes));
}
BENCHMARK(BM_MemcpyFrame);

void BM_CoarseScanDarkReference(benchmark::State& state) {
    sim::FramePainter f(25);
    for (auto _ : state) benchmark::DoNotOptimize(CoarseScanReference(f.View(), kWholeFrame, 150, 478));
}
BENCHMARK(BM_CoarseScanDarkReference);

void BM_CoarseScanDark(benchmark::State& state) {
    sim::FramePainter f(25);
    for (auto _ : state) benchmark::DoNotOptimize(CoarseScan(f.View(), kWholeFrame, 150, 478));
}
BENCHMARK(BM_CoarseScanDark);

void BM_PresenceDark(benchmark::State& state) {
    sim::FramePainter f(25);
    for (auto _ : state) benchmark::DoNotOptimize(BrightPixelPresent(f.View(), 150));
}
BENCHMARK(BM_PresenceDark);

void BM_PresenceDarkReference(benchmark::State& state) {
    sim::FramePainter f(25);
    for (auto _ : state) benchmark::DoNotOptimize(BrightPixelPresentReference(f.View(), 150));
}
BENCHMARK(BM_PresenceDarkReference);

}  // namespace
}  // namespace halvertone
