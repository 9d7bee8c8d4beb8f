// The target watch between the calibration worker, which paints the targets, and the
// synthetic camera's thread, where the calibrating user looks at them.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <utility>

#include "calibration/target_layout.h"
#include "simulator/calibrating_user.h"
#include "simulator/camera_model.h"
#include "simulator/target_watch.h"

namespace halvertone::sim {
namespace {

class CountingPainter final : public TargetPainter {
  public:
    void Paint(std::span<const TargetShape>) override { ++paints; }
    std::atomic<int> paints{0};
};

TEST(TargetWatchThreads, TheUserOnlyEverPointsAtATargetThatWasPainted) {
    const TargetGeometry g{16, 10, 10, 1024, 768};
    TargetWatch watch;
    CountingPainter screen;
    WatchedTargetPainter painter(screen, watch);
    std::set<std::pair<int32_t, int32_t>> crosses;
    for (int step = 0; step < 9; ++step) {
        const PixelPoint c = CrossOf(MainTarget(g, step / 3, step % 3, TargetStyle::kCurrent));
        crosses.insert({c.x, c.y});
    }
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        for (int k = 0; !stop.load(); ++k) {
            TargetProgress p;
            p.row = (k / 50) % 3;
            p.column = (k / 150) % 3;
            painter.Paint(TargetsToDraw(g, p));
            if (k % 97 == 96) watch.Wiped();
        }
    });
    // The user starts looking once something is on the screen.
    while (screen.paints.load() == 0) std::this_thread::yield();
    CalibratingUser user(watch, UserTiming{2, 5, 2, 40});
    int pressed = 0;
    // Virtual milliseconds run far faster than the painter; keep looking (bounded in real
    // time) until the user has pressed for a while, so a slow painter cannot starve the check.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (uint64_t ms = 0; pressed < 2000 && std::chrono::steady_clock::now() < deadline; ++ms) {
        if (ms % 256 == 0) std::this_thread::yield();
        const PenSample pen = user.At(ms);
        if (!pen.down) continue;
        ++pressed;
        const auto at =
            std::make_pair(static_cast<int32_t>(pen.x - 0.5), static_cast<int32_t>(pen.y - 0.5));
        ASSERT_TRUE(crosses.count(at)) << pen.x << "," << pen.y;
    }
    stop = true;
    worker.join();
    EXPECT_GT(pressed, 0);
    EXPECT_GT(screen.paints.load(), 0);
}

}  // namespace
}  // namespace halvertone::sim
