#include "doubles/virtual_timers.h"

#include <algorithm>

namespace halvertone::sim {

void VirtualTimers::Start(uint32_t id, uint32_t periodMs) {
    const uint64_t now = clock_.NowMs();
    // A period of 0 still ticks (as a window timer does), at most once per millisecond.
    const uint32_t period = std::max<uint32_t>(periodMs, 1);
    timers_[id] = Timer{period, now + period};
    starts_.push_back(TimerStart{now, id, periodMs});
    if (onStart) onStart(starts_.back());
}

void VirtualTimers::FireDue(const std::function<void(uint32_t id)>& onTick) {
    const uint64_t now = clock_.NowMs();
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second.nextMs <= now &&
                (next == timers_.end() || it->second.nextMs < next->second.nextMs))
                next = it;
        if (next == timers_.end()) return;
        next->second.nextMs += next->second.periodMs;
        onTick(next->first);
    }
}

}  // namespace halvertone::sim
