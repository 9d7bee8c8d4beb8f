#pragma once
// A counting semaphore with a maximum, like a kernel semaphore: a release beyond the
// maximum is refused, and a closed semaphore makes every wait fail so blocked threads can
// be released at shutdown.
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace halvertone {

class BoundedSemaphore {
  public:
    BoundedSemaphore(int32_t initial, int32_t maximum) : count_(initial), max_(maximum) {}

    // Waits without time limit; false when the semaphore was closed.
    bool Acquire();
    // False (and no change) when the count would exceed the maximum.
    bool Release(int32_t n = 1);
    void Close();
    // Waits work again after a Close; the count is what releases left it.
    void Reopen();
    int32_t Count() const;

  private:
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    int32_t count_;
    const int32_t max_;
    bool closed_ = false;
};

}  // namespace halvertone
