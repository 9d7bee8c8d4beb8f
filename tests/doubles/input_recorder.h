#pragma once
// Records every mouse record with the virtual time it was sent at, and moves a simulated
// cursor with the moves, as the system would.
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "base/screen_metrics.h"
#include "platform/clock.h"
#include "platform/input_sink.h"
#include "doubles/sim_cursor.h"

namespace halvertone::sim {

struct TimedRecord {
    uint64_t timeMs = 0;
    MouseRecord record;
};

class InputRecorder final : public InputSink {
  public:
    InputRecorder(const Clock& clock, SimCursor& cursor, const ScreenMetrics& screen)
        : clock_(clock), cursor_(cursor), screen_(screen) {}

    void Send(const MouseRecord& record) override;

    std::vector<TimedRecord> Records() const;
    std::vector<MouseRecord> Plain() const;  // without the times
    void Clear();
    // Called after each record (replays print it).
    std::function<void(const TimedRecord&)> onSend;

  private:
    const Clock& clock_;
    SimCursor& cursor_;
    const ScreenMetrics& screen_;
    mutable std::mutex mutex_;
    std::vector<TimedRecord> records_;
};

}  // namespace halvertone::sim
