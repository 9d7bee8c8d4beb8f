#pragma once
// Starts workers as real threads and keeps them, so a test can count them, wait for them to
// end and join them all before the objects they use go away.
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/thread_starter.h"

namespace halvertone::sim {

class JoiningThreadStarter final : public ThreadStarter {
  public:
    ~JoiningThreadStarter() override { JoinAll(); }

    bool Start(WorkerKind kind, ThreadPriority priority, std::function<void()> body) override;

    int Started(WorkerKind kind) const { return Read(started_[Index(kind)]); }
    int StartedTotal() const;
    int Alive(WorkerKind kind) const { return Read(alive_[Index(kind)]); }
    int HighestPriorityStarts() const { return Read(highest_); }
    // Waits until `count` workers have ended; false after `timeoutMs` of real time (a test
    // failing rather than hanging).
    bool WaitFinished(int count, uint32_t timeoutMs = 10000);
    void JoinAll();

  private:
    static size_t Index(WorkerKind kind) { return static_cast<size_t>(kind); }
    int Read(const int& counter) const {
        std::lock_guard lock(mutex_);
        return counter;
    }

    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<std::thread> threads_;
    std::array<int, 4> started_{};
    std::array<int, 4> alive_{};
    int finished_ = 0;
    int highest_ = 0;
};

}  // namespace halvertone::sim
