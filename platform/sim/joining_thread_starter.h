#pragma once
// Starts workers as real threads and keeps them, so a test can count them, wait for them to
// end and join them all before the objects they use go away.
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/thread_starter.h"

namespace halvertone::sim {

class JoiningThreadStarter final : public ThreadStarter {
  public:
    ~JoiningThreadStarter() override { JoinAll(); }

    bool Start(WorkerKind kind, ThreadPriority priority, std::function<void()> body) override;

    int Started(WorkerKind kind) const;
    int StartedTotal() const;
    int Finished() const;
    int Alive(WorkerKind kind) const;
    int HighestPriorityStarts() const;
    // Refuses every later start, as a system out of threads would.
    void FailStarts(bool fail);
    // Waits until `count` workers have ended; false after `timeoutMs` of real time (a test
    // failing rather than hanging).
    bool WaitFinished(int count, uint32_t timeoutMs = 10000);
    void JoinAll();

  private:
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<std::thread> threads_;
    std::map<WorkerKind, int> started_;
    std::map<WorkerKind, int> alive_;
    int finished_ = 0;
    int highest_ = 0;
    bool fail_ = false;
};

}  // namespace halvertone::sim
