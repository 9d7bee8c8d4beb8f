#include "platform/thread_starter.h"

#include <system_error>
#include <thread>

namespace halvertone {

bool DetachedThreadStarter::Start(WorkerKind, ThreadPriority, std::function<void()> body) {
    try {
        std::thread(std::move(body)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

}  // namespace halvertone
