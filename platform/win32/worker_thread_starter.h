#pragma once
// Tool workers as kernel threads; a pen worker started by the toolbar runs at the highest
// priority so that strokes keep up with the pen. Handles are closed at once: the threads are
// never joined.
#include "platform/thread_starter.h"

namespace halvertone::win32 {

class WorkerThreadStarter final : public ThreadStarter {
  public:
    bool Start(WorkerKind kind, ThreadPriority priority, std::function<void()> body) override;
};

}  // namespace halvertone::win32
