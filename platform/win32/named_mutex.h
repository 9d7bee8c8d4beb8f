#pragma once
// A named kernel mutex, created not owned, as the tool-mode mutex "Tarnwick Mutex". If the
// kernel object cannot be created the handlers are still kept apart by a process-local
// mutex.
#include <mutex>
#include <string>

#include "platform/lockable.h"

namespace halvertone::win32 {

inline constexpr const char* kToolModeMutexName = "Tarnwick Mutex";

class NamedMutex final : public Lockable {
  public:
    explicit NamedMutex(const std::string& name);
    ~NamedMutex() override;
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    void lock() override;
    void unlock() override;
    bool HasKernelObject() const { return handle_ != nullptr; }

  private:
    void* handle_ = nullptr;  // HANDLE
    std::mutex fallback_;
};

}  // namespace halvertone::win32
