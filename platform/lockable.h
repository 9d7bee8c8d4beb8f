#pragma once
// A lock held across calls of the tools' per-frame handlers (usable with std::lock_guard).
// The program's is a named kernel mutex; the portable one is a std::mutex.
#include <mutex>

namespace halvertone {

class Lockable {
  public:
    virtual ~Lockable() = default;
    virtual void lock() = 0;
    virtual void unlock() = 0;
};

class StdLockable final : public Lockable {
  public:
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }

  private:
    std::mutex mutex_;
};

}  // namespace halvertone
