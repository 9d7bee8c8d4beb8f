#pragma once
// The timer port of one window: starting a timer that already runs restarts it with the new
// period. The window's own message handling calls back when it fires.
#include <cstdint>

namespace halvertone {

class WindowTimer {
  public:
    virtual ~WindowTimer() = default;
    virtual void Start(uint32_t id, uint32_t periodMs) = 0;
};

}  // namespace halvertone
