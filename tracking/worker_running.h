#pragma once
// Whether the mouse, pen and eraser workers exist. Nobody creates a worker whose flag is
// set. The flag is claimed before the thread is created (a worker that ends at once must not
// leave it set behind its back) and given up by the worker as its last act.
#include <array>
#include <atomic>
#include <cstddef>

#include "platform/thread_starter.h"

namespace halvertone {

class WorkerRunning {
  public:
    bool Running(WorkerKind kind) const { return Flag(kind).load(); }
    // Marks the worker as running; false when it already was.
    bool Claim(WorkerKind kind) {
        bool expected = false;
        return Flag(kind).compare_exchange_strong(expected, true);
    }
    void Release(WorkerKind kind) { Flag(kind).store(false); }
    // The worker's last act. A start that came after the worker last looked at its dispatch
    // flag found it running and created nothing; then the worker takes its flag back and goes
    // on (true). Otherwise the flag is clear and whoever starts the tool next creates it.
    bool ReleaseUnlessFlagged(WorkerKind kind, const std::atomic<bool>& dispatch) {
        Release(kind);
        return dispatch.load() && Claim(kind);
    }

  private:
    std::atomic<bool>& Flag(WorkerKind kind) { return flags_[Index(kind)]; }
    const std::atomic<bool>& Flag(WorkerKind kind) const { return flags_[Index(kind)]; }
    // Calibration has no running flag; its worker is started by its own command.
    static size_t Index(WorkerKind kind) {
        return kind == WorkerKind::kCalibration ? 3 : static_cast<size_t>(kind);
    }
    std::array<std::atomic<bool>, 4> flags_{};
};

}  // namespace halvertone
