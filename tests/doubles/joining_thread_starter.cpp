#include "doubles/joining_thread_starter.h"

#include <chrono>
#include <numeric>

namespace halvertone::sim {

bool JoiningThreadStarter::Start(WorkerKind kind, ThreadPriority priority,
                                 std::function<void()> body) {
    std::lock_guard lock(mutex_);
    ++started_[Index(kind)];
    ++alive_[Index(kind)];
    if (priority == ThreadPriority::kHighest) ++highest_;
    threads_.emplace_back([this, kind, body = std::move(body)] {
        body();
        std::lock_guard done(mutex_);
        --alive_[Index(kind)];
        ++finished_;
        cv_.notify_all();
    });
    return true;
}

int JoiningThreadStarter::StartedTotal() const {
    std::lock_guard lock(mutex_);
    return std::accumulate(started_.begin(), started_.end(), 0);
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
