#pragma once
// Mouse mode with its workers and start operations, for tests: stand-in pen and eraser
// handlers that only do the hand-over, a lock that knows its owner, and a probe that watches
// which thread runs which handler.
#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/lockable.h"
#include "tracking/frame_lease.h"
#include "doubles/mouse_rig.h"
#include "tracking/spot_locator.h"
#include "tracking/tool_starter.h"
#include "tracking/tool_workers.h"

namespace halvertone::testing_support {

// Records worker starts without running them (the test runs the worker procedures itself),
// or runs each at once on the starting thread.
class RecordingStarter final : public ThreadStarter {
  public:
    bool Start(WorkerKind kind, ThreadPriority priority, std::function<void()> body) override {
        if (fail) return false;
        starts.push_back({kind, priority});
        if (runInline) body();
        return true;
    }
    int Count(WorkerKind kind) const {
        int n = 0;
        for (const auto& s : starts) n += s.first == kind;
        return n;
    }
    bool fail = false;
    bool runInline = false;
    std::vector<std::pair<WorkerKind, ThreadPriority>> starts;
};

class OwnerLock final : public Lockable {
  public:
    void lock() override {
        mutex_.lock();
        owner_ = std::this_thread::get_id();
    }
    void unlock() override {
        owner_ = std::thread::id{};
        mutex_.unlock();
    }
    bool HeldByMe() const { return owner_.load() == std::this_thread::get_id(); }

  private:
    std::mutex mutex_;
    std::atomic<std::thread::id> owner_{};
};

// Watches the handler turns: whether each ran under the lock, whether two overlapped, and the
// order of the threads that ran each tool's handler.
class TurnProbe {
  public:
    explicit TurnProbe(const OwnerLock* lock) : lock_(lock) {}

    void Enter(WorkerKind kind) {
        if (lock_ && !lock_->HeldByMe()) ++outsideLock;
        if (inside_.fetch_add(1) != 0) ++overlaps;
        std::lock_guard g(mutex_);
        auto& ids = threads_[kind];
        if (ids.empty() || ids.back() != std::this_thread::get_id())
            ids.push_back(std::this_thread::get_id());
    }
    void Leave() {
        inside_.fetch_sub(1);
        std::lock_guard g(mutex_);
        ++turns_;
        cv_.notify_all();
    }
    // Waits for `count` finished turns; false after 10 s of real time (a test failing rather
    // than hanging when a worker went missing).
    bool WaitTurns(int count) {
        std::unique_lock g(mutex_);
        return cv_.wait_for(g, std::chrono::seconds(10), [&] { return turns_ >= count; });
    }
    int Turns() const {
        std::lock_guard g(mutex_);
        return turns_;
    }
    // A thread that handed the tool on never runs its handler again: two workers of one tool
    // taking turns would show up as a thread coming back.
    bool ThreadsComeBack(WorkerKind kind) const {
        std::lock_guard g(mutex_);
        const auto it = threads_.find(kind);
        if (it == threads_.end()) return false;
        for (size_t i = 0; i < it->second.size(); ++i)
            for (size_t j = i + 1; j < it->second.size(); ++j)
                if (it->second[i] == it->second[j]) return true;
        return false;
    }

    std::atomic<int> outsideLock{0};
    std::atomic<int> overlaps{0};

  private:
    const OwnerLock* lock_;
    std::atomic<int> inside_{0};
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::map<WorkerKind, std::vector<std::thread::id>> threads_;
    int turns_ = 0;
};

// The pen or eraser handler as far as the hand-over goes: a spot over the visible toolbar
// ends the stroke and hands the pen to mouse mode.
class HandBackHandler final : public ToolHandler {
  public:
    HandBackHandler(sim::MouseRig& rig, WorkerKind own, TurnProbe* probe)
        : rig_(rig), own_(own), probe_(probe) {}

    int OnFrame() override {
        if (probe_) probe_->Enter(own_);
        const int result = Handle();
        if (probe_) probe_->Leave();
        return result;
    }
    void ResetForToolStart() override { ++resets; }

    std::atomic<int> resets{0};

  private:
    int Handle() {
        FrameLease lease(rig_.ring);
        if (!lease || !lease.Frame().IsFullFrame()) return 0;
        const SpotLocation loc = LocateSpot(lease.Frame().View(), rig_.mapping,
                                            rig_.settings.threshold, ScanRows::kPenEraser);
        if (loc.kind != SpotLocation::Kind::kInside)
            return loc.kind == SpotLocation::Kind::kOutside;
        if (rig_.toolbar.Visible() &&
            rig_.toolbar.WindowRect().Contains(loc.screen.x, loc.screen.y)) {
            rig_.state.penDown = false;
            rig_.flags.HandOver(own_, WorkerKind::kMouse);
        }
        return 1;
    }

    sim::MouseRig& rig_;
    WorkerKind own_;
    TurnProbe* probe_;
};

// Mouse mode seen through the probe.
class ProbedMouse final : public ToolHandler {
  public:
    ProbedMouse(ToolHandler& inner, TurnProbe* probe) : inner_(inner), probe_(probe) {}
    int OnFrame() override {
        if (probe_) probe_->Enter(WorkerKind::kMouse);
        const int result = inner_.OnFrame();
        if (probe_) probe_->Leave();
        return result;
    }

  private:
    ToolHandler& inner_;
    TurnProbe* probe_;
};

// Two camera pixels: one maps onto the toolbar docked at the left edge, one off it.
inline constexpr PixelPoint kOnToolbarPixel{320, 240};
inline constexpr PixelPoint kOffToolbarPixel{400, 240};

struct WorkerRig {
    WorkerRig(ThreadStarter& threadStarter, Lockable& toolMutex, TurnProbe* probe = nullptr)
        : pen(m, WorkerKind::kPen, probe),
          eraser(m, WorkerKind::kEraser, probe),
          probedMouse(m.mouse, probe),
          workers(ToolWorkersContext{m.flags, running, m.state, checkEnvironment, m.ring,
                                     m.settings, toolMutex, threadStarter, m.toolbar, probedMouse,
                                     pen, eraser}),
          starter(
              ToolStarterContext{m.flags, m.state, m.toolbar.toolMode, workers, m.ring, m.clock}) {
        m.flags.ClearAll();
        // The toolbar's selection runs the start operations, as the real toolbar does.
        m.toolbar.onSelectTool = [this](int32_t id) {
            starter.Start(id == kCurrentTool ? m.toolbar.toolMode.load() : id);
        };
    }

    // A visible toolbar at (0, 200) .. (40, 500) and the two pixels' screen positions.
    void PlaceToolbar() {
        m.toolbar.SetWindowRect({0, 200, 40, 500});
        m.toolbar.visible = true;
        m.mapping.Table().At(kOnToolbarPixel.x, kOnToolbarPixel.y) = {20, 300};
        m.mapping.Table().At(kOffToolbarPixel.x, kOffToolbarPixel.y) = {600, 300};
    }

    sim::MouseRig m;
    WorkerRunning running;
    CheckEnvironment checkEnvironment;
    HandBackHandler pen;
    HandBackHandler eraser;
    ProbedMouse probedMouse;
    ToolWorkers workers;
    ToolStarter starter;
};

}  // namespace halvertone::testing_support
