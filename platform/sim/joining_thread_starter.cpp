#include "platform/sim/joining_thread_starter.h"

#include <chrono>

namespace halvertone::sim {

bool JoiningThreadStarter::Start(WorkerKind kind, ThreadPriority priority,
                                 std::function<void()> body) {
    std::lock_guard lock(mutex_);
    if (fail_) return false;
    ++started_[kind];
    ++alive_[kind];
    if (priority == ThreadPriority::kHighest) ++highest_;
    threads_.emplace_back([this, kind, body = std::move(body)] {
        body();
        std::lock_guard done(mutex_);
        --alive_[kind];
        ++finished_;
        cv_.notify_all();
    });
    return true;
}

int JoiningThreadStarter::Started(WorkerKind kind) const {
    std::lock_guard lock(mutex_);
    const auto it = started_.find(kind);
    return it == started_.end() ? 0 : it->second;
}

int JoiningThreadStarter::StartedTotal() const {
    std::lock_guard lock(mutex_);
    int n = 0;
    for (const auto& [kind, count] : started_) n += count;
    return n;
}

int JoiningThreadStarter::Finished() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

int JoiningThreadStarter::Alive(WorkerKind kind) const {
    std::lock_guard lock(mutex_);
    const auto it = alive_.find(kind);
    return it == alive_.end() ? 0 : it->second;
}

int JoiningThreadStarter::HighestPriorityStarts() const {
    std::lock_guard lock(mutex_);
    return highest_;
}

void JoiningThreadStarter::FailStarts(bool fail) {
    std::lock_guard lock(mutex_);
    fail_ = fail;
}

bool JoiningThreadStarter::WaitFinished(int count, uint32_t timeoutMs) {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                        [&] { return finished_ >= count; });
}

void JoiningThreadStarter::JoinAll() {
    // A worker may start another while it is being joined, so repeat until none is left.
    for (;;) {
        std::vector<std::thread> threads;
        {
            std::lock_guard lock(mutex_);
            threads.swap(threads_);
        }
        if (threads.empty()) return;
        for (auto& t : threads) t.join();
    }
}

}  // namespace halvertone::sim
