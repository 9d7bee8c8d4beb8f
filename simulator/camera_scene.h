#pragma once
// What the synthetic camera sees: a dark projection with light sensor noise, the pen's light
// spot where the camera sees the pen, and optionally a lamp in view.
#include <cstdint>
#include <optional>
#include <vector>

#include "simulator/frame_painter.h"
#include "simulator/pen_script.h"
#include "simulator/screen_projection.h"

namespace halvertone::sim {

struct Lamp {
    double x = 600;  // camera pixels
    double y = 40;
    double sigma = 12;
    uint8_t peak = 255;
};

struct SceneOptions {
    uint8_t background = 16;
    uint8_t noise = 12;  // each byte gets background + 0..noise
    double spotSigma = 2.5;
    uint8_t spotPeak = 255;
    std::optional<Lamp> lamp;
    uint64_t seed = 0x9E3779B97F4A7C15ull;
};

class CameraScene {
  public:
    CameraScene(ScreenToCamera projection, SceneOptions options);

    // Renders one 640 x 480 bottom-up BGR frame of the pen. The noise differs from frame to
    // frame but is reproducible from the seed.
    const std::vector<uint8_t>& Render(const PenSample& pen);
    // The same through a sensor's exposure from `before` to `pen`: a lit pen is imaged with
    // a saturated core, smeared along the way it moved while the shutter was open.
    const std::vector<uint8_t>& Expose(const PenSample& before, const PenSample& pen);
    // Camera position of the last rendered spot (nothing when the pen was up or unseen).
    std::optional<CameraPointF> LastSpot() const { return lastSpot_; }

  private:
    void AddNoise();
    void AddLamp();

    ScreenToCamera projection_;
    SceneOptions options_;
    FramePainter painter_;
    uint64_t rng_;
    std::optional<CameraPointF> lastSpot_;
};

}  // namespace halvertone::sim
