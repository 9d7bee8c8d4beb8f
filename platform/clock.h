#pragma once
// The clock port: every wait the program makes goes through it, so tests can run the same
// code in virtual time.
#include <cstdint>

namespace halvertone {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start.
    virtual uint64_t NowMs() const = 0;
    virtual void SleepMs(uint32_t ms) = 0;
};

// Real time, from the standard library (used by the program on every platform).
class SteadyClock final : public Clock {
public:
    uint64_t NowMs() const override;
    void SleepMs(uint32_t ms) override;
};

}  // namespace halvertone
