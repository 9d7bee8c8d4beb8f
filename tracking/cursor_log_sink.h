#pragma once
// Passes every mouse record on and then writes one line "t x y" (milliseconds since the log
// began, cursor position in screen pixels): a short trace of where the pen took the cursor.
#include <cstdint>
#include <mutex>
#include <ostream>

#include "platform/clock.h"
#include "platform/cursor_position.h"
#include "platform/input_sink.h"

namespace halvertone {

class CursorLogSink final : public InputSink {
  public:
    CursorLogSink(InputSink& next, const CursorPosition& cursor, const Clock& clock,
                  std::ostream& log)
        : next_(next), cursor_(cursor), clock_(clock), log_(log), startMs_(clock.NowMs()) {}

    void Send(const MouseRecord& record) override {
        next_.Send(record);
        const PixelPoint p = cursor_.Get();
        // The mouse worker and the hold timer both send.
        std::lock_guard lock(mutex_);
        log_ << (clock_.NowMs() - startMs_) << ' ' << p.x << ' ' << p.y << '\n';
        log_.flush();
    }

  private:
    InputSink& next_;
    const CursorPosition& cursor_;
    const Clock& clock_;
    std::ostream& log_;
    const uint64_t startMs_;
    std::mutex mutex_;
};

}  // namespace halvertone
