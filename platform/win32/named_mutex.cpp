#include "platform/win32/named_mutex.h"

#include <windows.h>

namespace halvertone::win32 {

NamedMutex::NamedMutex(const std::string& name)
    : handle_(CreateMutexA(nullptr, FALSE, name.c_str())) {}

NamedMutex::~NamedMutex() {
    if (handle_) CloseHandle(handle_);
}

void NamedMutex::lock() {
    if (!handle_) return fallback_.lock();
    // WAIT_ABANDONED also grants ownership: a thread ended while holding it.
    WaitForSingleObject(handle_, INFINITE);
}

void NamedMutex::unlock() {
    if (!handle_) return fallback_.unlock();
    ReleaseMutex(handle_);
}

}  // namespace halvertone::win32
