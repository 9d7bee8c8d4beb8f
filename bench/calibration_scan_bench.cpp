// The calibration worker's per-frame work: the every-pixel blob scan on a dark frame (the
// common case while the user moves between targets) and scan plus refinement on a spot.
#include <benchmark/benchmark.h>

#include "calibration/calibration_blob.h"
#include "calibration/centre_refinement.h"
#include "simulator/frame_painter.h"

namespace halvertone {
namespace {

void BM_CalibrationScanDark(benchmark::State& state) {
    const sim::FramePainter f(25);
    for (auto _ : state) benchmark::DoNotOptimize(FindCalibrationBlob(f.View(), 150));
}
BENCHMARK(BM_CalibrationScanDark);

void BM_CalibrationScanAndRefine(benchmark::State& state) {
    sim::FramePainter f(25);
    f.AddSpot(330, 250, 3.0, 255);
    for (auto _ : state) {
        const auto blob = FindCalibrationBlob(f.View(), 150);
        benchmark::DoNotOptimize(RefineCentre(f.View(), *blob, 150));
    }
}
BENCHMARK(BM_CalibrationScanAndRefine);

}  // namespace
}  // namespace halvertone
