// The software half turn runs on the camera's streaming thread for every frame of a ceiling
// mounting without the camera's own turn: done while copying into the ring it must stay
// within twice a plain copy of the frame (BM_MemcpyFrame).
#include <benchmark/benchmark.h>

#include <vector>

#include "capture/camera_frame.h"
#include "capture/frame_ring.h"
#include "capture/frame_turn.h"

namespace halvertone {
namespace {

std::vector<uint8_t> PatternFrame() {
    std::vector<uint8_t> frame(kFrameBytes);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint8_t>(i * 7);
    return frame;
}

void SetFrameBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(kFrameBytes));
}

// The old way: in place, after a copy out of the camera's buffer.
void BM_TurnFrame180(benchmark::State& state) {
    std::vector<uint8_t> frame = PatternFrame();
    for (auto _ : state) {
        TurnFrame180(frame.data(), frame.size());
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state);
}
BENCHMARK(BM_TurnFrame180)->Unit(benchmark::kMicrosecond);

void BM_CopyTurned180(benchmark::State& state) {
    const std::vector<uint8_t> src = PatternFrame();
    std::vector<uint8_t> dst(kFrameBytes);
    for (auto _ : state) {
        CopyTurned180(dst.data(), src.data(), kFrameBytes);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state);
}
BENCHMARK(BM_CopyTurned180)->Unit(benchmark::kMicrosecond);

// The producer's whole step into the ring, plain and turned.
void RunRingStep(benchmark::State& state, FrameCopy copy) {
    const std::vector<uint8_t> src = PatternFrame();
    FrameRing ring;
    ring.AcceptFrames();
    for (auto _ : state) {
        ring.BufferCB(src.data(), static_cast<long>(src.size()), copy);
        ring.Take();
        ring.GiveBack();
    }
    SetFrameBytes(state);
}

void BM_RingStepPlain(benchmark::State& state) {
    RunRingStep(state, FrameCopy::kAsIs);
}
BENCHMARK(BM_RingStepPlain)->Unit(benchmark::kMicrosecond);

void BM_RingStepTurned(benchmark::State& state) {
    RunRingStep(state, FrameCopy::kTurned180);
}
BENCHMARK(BM_RingStepTurned)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvertone
