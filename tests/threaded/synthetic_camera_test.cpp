// The synthetic camera's thread: frames in order into a real frame ring, pacing in virtual
// time, unplugging and replugging, and a clean stop.
#include "simulator/synthetic_camera.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "capture/frame_ring.h"
#include "doubles/virtual_clock.h"
#include "tracking/spot_finder.h"

namespace halvertone::sim {
namespace {

// Polls `done` in real time; false when it did not come true within the limit.
template <typename F>
bool WaitFor(F done, int limitMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

CameraScene Scene() {
    return CameraScene(DefaultProjection(1024, 768), SceneOptions{});
}

TEST(SyntheticCamera, DeliversEveryFrameInOrderIntoARealRingAndStopsCleanly) {
    VirtualClock clock(5000);
    FrameRing ring;
    ring.AcceptFrames();
    PenScript script;
    script.Down(0, 0, 384).Down(2000, 1024, 384);  // left to right in two seconds
    SyntheticCamera camera(
        clock, [&ring](const uint8_t* b, long n) { ring.BufferCB(b, n); },
        [&script](uint64_t ms) { return script.At(ms); }, Scene());
    camera.Start();
    EXPECT_TRUE(camera.Running());

    std::vector<int> xs;
    for (int i = 0; i < 40; ++i) {
        const TakenFrame t = ring.Take();
        ASSERT_TRUE(t);
        ASSERT_TRUE(t.IsFullFrame());
        const auto spot = FindSpot(t.View(), kWholeFrame, 150, ScanRows::kMouse);
        ring.GiveBack();
        ASSERT_TRUE(spot) << "frame " << i;
        xs.push_back(spot->box.Centre().x);
    }
    // At 30 frames per second the pen moves 17 screen pixels, 8 camera pixels, per frame: a
    // lost, repeated or reordered frame would break the even steps.
    for (size_t i = 1; i < xs.size(); ++i) {
        EXPECT_GE(xs[i] - xs[i - 1], 6) << "frame " << i;
        EXPECT_LE(xs[i] - xs[i - 1], 10) << "frame " << i;
    }
    ring.Shutdown();  // releases the camera if it waits for a free slot
    camera.Stop();
    EXPECT_FALSE(camera.Running());
    EXPECT_GE(camera.FramesDelivered(), 40u);
}

TEST(SyntheticCamera, PacesFramesAtItsRateOnTheClock) {
    VirtualClock clock(1000);
    std::mutex m;
    std::vector<uint64_t> stamps;
    std::atomic<bool> hold{false};
    SyntheticCamera camera(
        clock,
        [&](const uint8_t*, long n) {
            EXPECT_EQ(n, static_cast<long>(kFrameBytes));
            bool full = false;
            {
                std::lock_guard lock(m);
                if (stamps.size() < 31) stamps.push_back(clock.NowMs());
                full = stamps.size() >= 31;
            }
            // Holding the camera up keeps virtual time from running away.
            while (full && !hold.load()) std::this_thread::yield();
        },
        nullptr, Scene());
    camera.Start();
    ASSERT_TRUE(WaitFor([&] {
        std::lock_guard lock(m);
        return stamps.size() >= 31;
    }));
    hold = true;
    camera.Stop();
    std::lock_guard lock(m);
    EXPECT_EQ(stamps.front(), 1000u);
    EXPECT_EQ(stamps[30], 2000u) << "thirty frames take one second";
    for (size_t i = 1; i < stamps.size(); ++i) {
        const uint64_t step = stamps[i] - stamps[i - 1];
        EXPECT_TRUE(step == 33 || step == 34) << "step " << i << " = " << step;
    }
}

TEST(SyntheticCamera, UnpluggedDeliversNothingAndReplugResumes) {
    VirtualClock clock;
    std::atomic<uint64_t> frames{0};
    SyntheticCamera camera(
        clock, [&](const uint8_t*, long) { frames.fetch_add(1); }, nullptr, Scene(), 30);
    camera.Start();
    ASSERT_TRUE(WaitFor([&] { return frames.load() >= 3; }));
    camera.Unplug();
    EXPECT_FALSE(camera.Plugged());
    const uint64_t atUnplug = frames.load();
    const uint64_t t = clock.NowMs();
    // Let a few seconds of camera time pass.
    ASSERT_TRUE(WaitFor([&] { return clock.NowMs() > t + 3000; }));
    EXPECT_LE(frames.load(), atUnplug + 1) << "at most the frame already on its way";
    EXPECT_EQ(camera.FramesDelivered(), frames.load());

    camera.Replug();
    const uint64_t atReplug = frames.load();
    ASSERT_TRUE(WaitFor([&] { return frames.load() >= atReplug + 5; }));
    camera.Stop();
    EXPECT_FALSE(camera.Running());
    camera.Stop();   // a second stop is harmless
    camera.Start();  // and the camera can run again
    EXPECT_TRUE(camera.Running());
}

TEST(SyntheticCamera, UnplugsOnItsScheduleAndPacesSixtyFramesASecond) {
    VirtualClock clock(500);
    std::mutex m;
    std::vector<uint64_t> stamps;  // ms after the camera's start
    std::atomic<bool> hold{false};
    SyntheticCamera camera(
        clock,
        [&](const uint8_t*, long) {
            bool enough = false;
            {
                std::lock_guard lock(m);
                stamps.push_back(clock.NowMs() - 500);
                enough = stamps.back() >= 1500;
            }
            while (enough && !hold.load()) std::this_thread::yield();
        },
        nullptr, Scene(), 60);
    camera.SetPlugSchedule({500, 200});  // off from 300 to 499 ms of every half second
    camera.Start();
    // Rendering is slow under the sanitizers; virtual time only moves between frames.
    ASSERT_TRUE(WaitFor(
        [&] {
            std::lock_guard lock(m);
            return !stamps.empty() && stamps.back() >= 1500;
        },
        30000));
    EXPECT_TRUE(camera.Delivering());
    hold = true;
    camera.Stop();

    std::lock_guard lock(m);
    int perPeriod[3] = {0, 0, 0};
    for (size_t i = 0; i < stamps.size(); ++i) {
        EXPECT_LT(stamps[i] % 500, 300u) << "a frame at " << stamps[i] << " ms while unplugged";
        if (stamps[i] < 1500) ++perPeriod[stamps[i] / 500];
        if (i > 0 && stamps[i] / 500 == stamps[i - 1] / 500) {
            const uint64_t step = stamps[i] - stamps[i - 1];
            EXPECT_TRUE(step == 16 || step == 17) << "step " << i << " = " << step;
        }
    }
    for (int period = 0; period < 3; ++period)
        EXPECT_EQ(perPeriod[period], 18)
            << "300 ms plugged at 60 frames per second, period " << period;
}

}  // namespace
}  // namespace halvertone::sim
