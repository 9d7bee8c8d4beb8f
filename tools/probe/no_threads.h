#pragma once
// Replays run on one thread: a worker start creates nothing.
#include <functional>

#include "platform/thread_starter.h"

namespace halvertone::probe {

class NoThreads final : public ThreadStarter {
  public:
    bool Start(WorkerKind, ThreadPriority, std::function<void()>) override { return false; }
};

}  // namespace halvertone::probe
