#pragma once
// The synthetic-input port: one mouse record per call. Every record is absolute; button
// records carry (0, 0) except the hold timer's right-button release.
#include <cstdint>

namespace halvertone {

enum MouseFlags : uint32_t {
    kMouseMove = 0x8001,
    kMouseLeftDown = 0x8002,
    kMouseLeftUp = 0x8004,
    kMouseRightDown = 0x8008,
    kMouseRightUp = 0x8010,
};

struct MouseRecord {
    int32_t dx = 0;  // normalised 0..65535 for moves
    int32_t dy = 0;
    uint32_t flags = kMouseMove;
    friend bool operator==(const MouseRecord&, const MouseRecord&) = default;
};

class InputSink {
  public:
    virtual ~InputSink() = default;
    // A rejected record is simply lost; nothing is reported back.
    virtual void Send(const MouseRecord& record) = 0;
};

}  // namespace halvertone
