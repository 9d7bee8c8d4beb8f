#pragma once
// Which tool is in charge. Each worker loops while its own flag is set; a switch clears one
// flag and sets another, and a worker notices the change at its next turn.
#include <array>
#include <atomic>
#include <cstddef>

#include "platform/thread_starter.h"

namespace halvertone {

class DispatchFlags {
  public:
    std::atomic<bool>& operator[](WorkerKind kind) { return flags_[static_cast<size_t>(kind)]; }
    const std::atomic<bool>& operator[](WorkerKind kind) const {
        return flags_[static_cast<size_t>(kind)];
    }
    bool Mouse() const { return (*this)[WorkerKind::kMouse]; }
    bool Pen() const { return (*this)[WorkerKind::kPen]; }
    bool Eraser() const { return (*this)[WorkerKind::kEraser]; }
    bool Calibration() const { return (*this)[WorkerKind::kCalibration]; }

    // What every start operation does: one tool in charge, the other three flags clear.
    void Select(WorkerKind kind) {
        for (size_t i = 0; i < flags_.size(); ++i) flags_[i] = i == static_cast<size_t>(kind);
    }
    void ClearAll() {
        for (auto& f : flags_) f = false;
    }
    // A handler's hand-over: its own flag clear, the next tool's set.
    void HandOver(WorkerKind from, WorkerKind to) {
        (*this)[from] = false;
        (*this)[to] = true;
    }

  private:
    std::array<std::atomic<bool>, 4> flags_{};
};

}  // namespace halvertone
