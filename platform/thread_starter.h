#pragma once
// The thread port: starts one tool worker. The threads are never joined by the program;
// they end by themselves or with the process.
#include <functional>

namespace halvertone {

enum class WorkerKind { kMouse, kPen, kEraser, kCalibration };

enum class ThreadPriority { kNormal, kHighest };

class ThreadStarter {
  public:
    virtual ~ThreadStarter() = default;
    // False when no thread could be created (the body then never runs).
    virtual bool Start(WorkerKind kind, ThreadPriority priority, std::function<void()> body) = 0;
};

// Detached std::threads at normal priority (platforms without priorities).
class DetachedThreadStarter final : public ThreadStarter {
  public:
    bool Start(WorkerKind kind, ThreadPriority priority, std::function<void()> body) override;
};

}  // namespace halvertone
