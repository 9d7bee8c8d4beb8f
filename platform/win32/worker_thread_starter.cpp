#include "platform/win32/worker_thread_starter.h"

#include <windows.h>

#include <memory>

namespace halvertone::win32 {
namespace {

DWORD WINAPI WorkerMain(LPVOID param) {
    const std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(param));
    (*body)();
    return 1;
}

}  // namespace

bool WorkerThreadStarter::Start(WorkerKind, ThreadPriority priority, std::function<void()> body) {
    auto owned = std::make_unique<std::function<void()>>(std::move(body));
    // Created suspended so the priority is in place before the first frame.
    HANDLE h = CreateThread(nullptr, 0, WorkerMain, owned.get(), CREATE_SUSPENDED, nullptr);
    if (!h) return false;
    owned.release();  // the thread owns it now
    if (priority == ThreadPriority::kHighest) SetThreadPriority(h, THREAD_PRIORITY_HIGHEST);
    ResumeThread(h);
    CloseHandle(h);
    return true;
}

}  // namespace halvertone::win32
