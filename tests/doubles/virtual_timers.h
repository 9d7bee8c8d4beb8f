#pragma once
// Window timers in virtual time: a start (or restart) sets the timer's period and its next
// tick one period after the virtual now; FireDue delivers the ticks that are due.
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/clock.h"
#include "platform/window_timer.h"

namespace halvertone::sim {

struct TimerStart {
    uint64_t timeMs = 0;
    uint32_t id = 0;
    uint32_t periodMs = 0;
};

class VirtualTimers final : public WindowTimer {
  public:
    explicit VirtualTimers(const Clock& clock) : clock_(clock) {}

    void Start(uint32_t id, uint32_t periodMs) override;

    bool Running(uint32_t id) const { return timers_.count(id) != 0; }
    const std::vector<TimerStart>& Starts() const { return starts_; }
    // Calls onTick(id) for every tick due up to the clock's now, in time order.
    void FireDue(const std::function<void(uint32_t id)>& onTick);

    std::function<void(const TimerStart&)> onStart;

  private:
    struct Timer {
        uint32_t periodMs;
        uint64_t nextMs;
    };
    const Clock& clock_;
    std::map<uint32_t, Timer> timers_;
    std::vector<TimerStart> starts_;
};

}  // namespace halvertone::sim
