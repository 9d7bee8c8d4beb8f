// A table build as at start-up or after a display change (flag 0), from a lattice a calibration
// of the synthetic camera left behind: the span-wise build beside the straightforward one that
// tests every pixel against every polygon (both give the same table), and the precise mapping
// ("Mapping Mode" 2), which fits the camera model and fills the region from it. A build must
// stay under 10 ms.
#include <benchmark/benchmark.h>

#include "calibration/table_builder.h"
#include "simulator/camera_model.h"

namespace halvertone {
namespace {

void RunBuild(benchmark::State& state, TableFill fill, int32_t mode = kQuarterMapping) {
    sim::CameraModelConfig config;
    config.k1 = -0.15;
    const sim::CameraModel model(config);
    Settings settings;
    settings.grid = model.MeasuredLattice({16, 10, 10, 1024, 768});
    settings.mappingMode = mode;
    ScreenMetrics metrics;
    metrics.Set(1024, 768);
    ScreenMapping mapping;
    TableBuilder builder(settings, metrics, mapping, {}, fill);
    builder.Build(1);  // the calibration's own build: extends the outer ring once
    for (auto _ : state) {
        builder.Build(0);
        benchmark::DoNotOptimize(mapping.Table().At(320, 240));
    }
}

void BM_TableBuildSpans(benchmark::State& state) {
    RunBuild(state, TableFill::kSpans);
}
void BM_TableBuildPerPixel(benchmark::State& state) {
    RunBuild(state, TableFill::kPerPixel);
}

void BM_TableBuildPrecise(benchmark::State& state) {
    RunBuild(state, TableFill::kSpans, kPreciseMapping);
}

BENCHMARK(BM_TableBuildSpans)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableBuildPerPixel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableBuildPrecise)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvertone
