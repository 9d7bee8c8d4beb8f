#pragma once
// When a synthetic camera is pulled off the bus and put back: unplugged for the last `forMs`
// of every `everyMs`, counted from the camera's start, so a long run sees the program lose
// and find its camera again at known times.
#include <cstdint>

namespace halvertone::sim {

struct PlugSchedule {
    uint64_t everyMs = 0;  // 0: never unplugged
    uint64_t forMs = 0;

    bool PluggedAt(uint64_t ms) const {
        if (everyMs == 0 || forMs == 0) return true;
        if (forMs >= everyMs) return false;
        return ms % everyMs < everyMs - forMs;
    }
};

}  // namespace halvertone::sim
