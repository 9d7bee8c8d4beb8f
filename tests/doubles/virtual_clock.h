#pragma once
// Virtual time for tests and replays: a sleep only advances the clock.
#include <atomic>

#include "platform/clock.h"

namespace halvertone::sim {

class VirtualClock final : public Clock {
public:
    explicit VirtualClock(uint64_t startMs = 0) : now_(startMs) {}
    uint64_t NowMs() const override { return now_.load(); }
    void SleepMs(uint32_t ms) override { now_.fetch_add(ms); }
    void Advance(uint64_t ms) { now_.fetch_add(ms); }

private:
    std::atomic<uint64_t> now_;
};

}  // namespace halvertone::sim
