#include "simulator/camera_scene.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace halvertone::sim {

CameraScene::CameraScene(ScreenToCamera projection, SceneOptions options)
    : projection_(std::move(projection)),
      options_(options),
      painter_(options.background),
      rng_(options.seed != 0 ? options.seed : 1) {}

void CameraScene::AddNoise() {
    auto& bytes = painter_.Bytes();
    const unsigned span = options_.noise + 1u;
    const uint8_t base = options_.background;
    const int limit = 255 - base;
    size_t i = 0;
    while (i < bytes.size()) {
        // xorshift64: eight noise bytes per step keep a frame at about a millisecond.
        rng_ ^= rng_ << 13;
        rng_ ^= rng_ >> 7;
        rng_ ^= rng_ << 17;
        uint64_t r = rng_;
        for (int k = 0; k < 8 && i < bytes.size(); ++k, ++i, r >>= 8) {
            const int n = static_cast<int>(((r & 0xFF) * span) >> 8);
            bytes[i] = static_cast<uint8_t>(base + (n < limit ? n : limit));
        }
    }
}

void CameraScene::AddLamp() {
    if (options_.lamp) {
        const Lamp& l = *options_.lamp;
        painter_.AddSpot(l.x, l.y, l.sigma, l.peak);
    }
}

const std::vector<uint8_t>& CameraScene::Render(const PenSample& pen) {
    AddNoise();
    AddLamp();
    lastSpot_.reset();
    if (pen.down && projection_) {
        lastSpot_ = projection_(pen.x, pen.y);
        // The painter centres a spot on pixel indices, while camera point (x, y) lies inside
        // pixel (floor x, floor y) whose middle is half a pixel further on. Without the shift
        // the spot sits half a pixel up and left, a whole pixel once the picture is turned.
        if (lastSpot_)
            painter_.AddSpot(lastSpot_->x - 0.5, lastSpot_->y - 0.5, options_.spotSigma,
                             options_.spotPeak);
    }
    return painter_.Bytes();
}

const std::vector<uint8_t>& CameraScene::Expose(const PenSample& before, const PenSample& pen) {
    // A spot this much brighter than the sensor's full scale clips over its core.
    constexpr double kOverexposure = 2.5;
    constexpr int kMaxSteps = 24;
    AddNoise();
    AddLamp();
    lastSpot_.reset();
    if (!pen.down || !projection_) return painter_.Bytes();
    lastSpot_ = projection_(pen.x, pen.y);
    if (!lastSpot_) return painter_.Bytes();
    std::optional<CameraPointF> previous;
    if (before.down) previous = projection_(before.x, before.y);
    if (!previous) previous = lastSpot_;
    // The shutter is open for the last part of the frame time only.
    constexpr double kExposure = 0.3;
    const double dx = (lastSpot_->x - previous->x) * kExposure;
    const double dy = (lastSpot_->y - previous->y) * kExposure;
    const CameraPointF from{lastSpot_->x - dx, lastSpot_->y - dy};
    const double length = std::hypot(dx, dy);
    // One spot a pixel of travel.
    const int steps =
        length > 0 ? static_cast<int>(std::min<double>(length, kMaxSteps - 1)) + 1 : 1;
    // The light is shared among the positions, as the exposure is, but a moving pen stays
    // bright enough to be seen.
    const double share = std::max(options_.spotPeak * kOverexposure / steps, 96.0);
    for (int i = 0; i < steps; ++i) {
        const double t = steps == 1 ? 1.0 : static_cast<double>(i) / (steps - 1);
        // Half a pixel to the painter's pixel-index centres, as in Render.
        const double x = from.x + dx * t - 0.5, y = from.y + dy * t - 0.5;
        for (double left = share; left > 0; left -= 255)
            painter_.AddSpot(x, y, options_.spotSigma, static_cast<uint8_t>(std::min(left, 255.0)));
    }
    return painter_.Bytes();
}

}  // namespace halvertone::sim
