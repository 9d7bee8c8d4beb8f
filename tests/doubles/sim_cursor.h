#pragma once
// A simulated system cursor: it stays where it is put, and an absolute move record puts it
// where Windows would (dx * width / 65536, rounded down).
#include <cstdint>
#include <mutex>

#include "platform/cursor_position.h"
#include "platform/input_sink.h"

namespace halvertone::sim {

class SimCursor final : public CursorPosition {
  public:
    PixelPoint Get() const override {
        std::lock_guard lock(mutex_);
        return pos_;
    }
    void Set(PixelPoint p) {
        std::lock_guard lock(mutex_);
        pos_ = p;
    }
    // Follows a move record on a screen of width x height pixels; other records leave it.
    void Follow(const MouseRecord& record, int32_t width, int32_t height);

  private:
    mutable std::mutex mutex_;
    PixelPoint pos_{};
};

}  // namespace halvertone::sim
