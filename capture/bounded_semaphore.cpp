#include "capture/bounded_semaphore.h"

namespace halvertone {

bool BoundedSemaphore::Acquire() {
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [this] { return closed_ || count_ > 0; });
    if (closed_) return false;
    --count_;
    return true;
}

bool BoundedSemaphore::Release(int32_t n) {
    {
        std::lock_guard lock(mutex_);
        if (n <= 0 || count_ > max_ - n) return false;
        count_ += n;
    }
    cv_.notify_all();
    return true;
}

void BoundedSemaphore::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    cv_.notify_all();
}

void BoundedSemaphore::Reopen() {
    std::lock_guard lock(mutex_);
    closed_ = false;
}

int32_t BoundedSemaphore::Count() const {
    std::lock_guard lock(mutex_);
    return count_;
}

}  // namespace halvertone
