// One frame of the synthetic camera (noise, lamp, pen spot): at 30 frames per second it must
// leave the machine's two cores to the program it feeds.
#include <benchmark/benchmark.h>

#include "simulator/camera_scene.h"

namespace {

void BM_RenderSyntheticFrame(benchmark::State& state) {
    halvertone::sim::SceneOptions o;
    if (state.range(0) != 0) o.lamp = halvertone::sim::Lamp{};
    halvertone::sim::CameraScene scene(halvertone::sim::DefaultProjection(1024, 768), o);
    double x = 0;
    for (auto _ : state) {
        const auto& f = scene.Render(halvertone::sim::PenSample{true, x, 384});
        benchmark::DoNotOptimize(f.data());
        x = x > 1000 ? 0 : x + 7;
    }
}
BENCHMARK(BM_RenderSyntheticFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
