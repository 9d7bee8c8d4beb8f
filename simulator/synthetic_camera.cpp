#include "simulator/synthetic_camera.h"

#include <algorithm>
#include <utility>

namespace halvertone::sim {
namespace {

// Longest single sleep, so that Stop is answered quickly even at low frame rates.
constexpr uint64_t kMaxSleepMs = 50;

}  // namespace

SyntheticCamera::SyntheticCamera(Clock& clock, FrameCallback onFrame, PenAt pen, CameraScene scene,
                                 int fps)
    : clock_(clock),
      onFrame_(std::move(onFrame)),
      pen_(std::move(pen)),
      scene_(std::move(scene)),
      fps_(std::clamp(fps, 1, 1000)) {}

SyntheticCamera::~SyntheticCamera() {
    Stop();
}

void SyntheticCamera::Start() {
    if (thread_.joinable()) return;
    stop_.store(false);
    thread_ = std::thread([this] { Run(); });
}

void SyntheticCamera::Stop() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
}

void SyntheticCamera::Run() {
    const uint64_t start = clock_.NowMs();
    const auto fps = static_cast<uint64_t>(fps_);
    uint64_t frame = 0;  // index of the next frame due
    while (!stop_.load()) {
        const uint64_t due = start + frame * 1000 / fps;
        const uint64_t now = clock_.NowMs();
        if (now < due) {
            clock_.SleepMs(static_cast<uint32_t>(std::min(due - now, kMaxSleepMs)));
            continue;
        }
        // A camera that fell behind drops the frames it missed instead of bursting them.
        const uint64_t current = (now - start) * fps / 1000;
        frame = std::max(frame, current) + 1;
        scheduledIn_.store(schedule_.PluggedAt(now - start));
        if (!Delivering()) continue;
        const PenSample pen = pen_ ? pen_(now - start) : PenSample{};
        const auto& bytes = scene_.Render(pen);
        if (onFrame_) onFrame_(bytes.data(), static_cast<long>(bytes.size()));
        delivered_.fetch_add(1);
    }
}

}  // namespace halvertone::sim
