#pragma once
// A target painter that keeps what it was asked to draw, one list per call.
#include <mutex>
#include <span>
#include <vector>

#include "calibration/target_painter.h"

namespace halvertone::sim {

class TargetRecorder final : public TargetPainter {
  public:
    void Paint(std::span<const TargetShape> shapes) override {
        std::lock_guard lock(mutex_);
        calls_.emplace_back(shapes.begin(), shapes.end());
    }
    std::vector<std::vector<TargetShape>> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    std::vector<TargetShape> Last() const {
        std::lock_guard lock(mutex_);
        return calls_.empty() ? std::vector<TargetShape>{} : calls_.back();
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::vector<TargetShape>> calls_;
};

}  // namespace halvertone::sim
