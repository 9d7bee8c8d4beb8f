#pragma once
// A scripted virtual pen: key points in time, each with a screen position and whether the
// pen's light is on. The pen glides in a straight line between two consecutive lit key
// points; an unlit key point switches the light off until the next key point.
#include <cstdint>
#include <vector>

namespace halvertone::sim {

struct PenSample {
    bool down = false;  // light on (pen pressed to the screen)
    double x = 0;       // screen pixels
    double y = 0;
    friend bool operator==(const PenSample&, const PenSample&) = default;
};

class PenScript {
  public:
    // Key points must be added in rising time order; an earlier time is ignored.
    PenScript& Down(uint64_t atMs, double x, double y);
    PenScript& Up(uint64_t atMs);

    // The pen at `ms` after the script's start: up before the first key point and after an
    // unlit one; the last lit key point's position stays after the last key point.
    PenSample At(uint64_t ms) const;
    uint64_t EndMs() const { return keys_.empty() ? 0 : keys_.back().atMs; }

  private:
    struct Key {
        uint64_t atMs;
        PenSample pen;
    };
    void Add(uint64_t atMs, PenSample pen);
    std::vector<Key> keys_;
};

}  // namespace halvertone::sim
