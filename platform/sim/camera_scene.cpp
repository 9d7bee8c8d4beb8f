#include "platform/sim/camera_scene.h"

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

const std::vector<uint8_t>& CameraScene::Render(const PenSample& pen) {
    AddNoise();
    if (options_.lamp) {
        const Lamp& l = *options_.lamp;
        painter_.AddSpot(l.x, l.y, l.sigma, l.peak);
    }
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

}  // namespace halvertone::sim
