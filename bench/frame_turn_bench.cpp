// The software half turn runs on the camera's streaming thread for every frame of a ceiling
// mounting without the camera's own turn: it must stay well inside a frame period.
#include <benchmark/benchmark.h>

#include <vector>

#include "capture/camera_frame.h"
#include "capture/frame_turn.h"

namespace {

void BM_TurnFrame180(benchmark::State& state) {
    std::vector<uint8_t> frame(halvertone::kFrameBytes);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint8_t>(i * 7);
    for (auto _ : state) {
        halvertone::TurnFrame180(frame.data(), frame.size());
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(frame.size()));
}
BENCHMARK(BM_TurnFrame180)->Unit(benchmark::kMicrosecond);

}  // namespace
