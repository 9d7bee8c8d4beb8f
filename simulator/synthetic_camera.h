#pragma once
// A camera for machines without one: its own thread renders the scripted pen at a fixed frame
// rate and hands each frame to the same callback the capture graph's grabber calls. Pacing
// goes through the clock port, so tests can run it in virtual time.
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "platform/clock.h"
#include "simulator/camera_scene.h"
#include "simulator/pen_script.h"
#include "simulator/plug_schedule.h"

namespace halvertone::sim {

// Receives one bottom-up BGR frame; may block (a full frame ring holds the camera up).
using FrameCallback = std::function<void(const uint8_t* bytes, long length)>;
// The pen at a time after the camera's start.
using PenAt = std::function<PenSample(uint64_t ms)>;

class SyntheticCamera {
  public:
    static constexpr int kDefaultFps = 30;

    SyntheticCamera(Clock& clock, FrameCallback onFrame, PenAt pen, CameraScene scene,
                    int fps = kDefaultFps);
    ~SyntheticCamera();
    SyntheticCamera(const SyntheticCamera&) = delete;
    SyntheticCamera& operator=(const SyntheticCamera&) = delete;

    // Starts the thread (no effect while it runs).
    void Start();
    // Ends the thread and joins it. A callback blocked on a full ring must be released first
    // (by taking a frame or shutting the ring down).
    void Stop();
    bool Running() const { return thread_.joinable(); }

    // An unplugged camera keeps its thread but delivers nothing, as a camera that has
    // vanished from the bus; replugging resumes delivery with the pen's current position.
    void Unplug() { plugged_.store(false); }
    void Replug() { plugged_.store(true); }
    bool Plugged() const { return plugged_.load(); }
    // Unplugs and replugs by itself on the schedule; set before Start.
    void SetPlugSchedule(PlugSchedule schedule) { schedule_ = schedule; }
    // Plugged by hand and by the schedule at the last frame time.
    bool Delivering() const { return plugged_.load() && scheduledIn_.load(); }

    uint64_t FramesDelivered() const { return delivered_.load(); }
    int Fps() const { return fps_; }

  private:
    void Run();

    Clock& clock_;
    FrameCallback onFrame_;
    PenAt pen_;
    CameraScene scene_;
    const int fps_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> plugged_{true};
    PlugSchedule schedule_;
    std::atomic<bool> scheduledIn_{true};
    std::atomic<uint64_t> delivered_{0};
    std::thread thread_;
};

}  // namespace halvertone::sim
