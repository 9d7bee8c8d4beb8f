#pragma once
// A scripted virtual pen: key points in time, each with a screen position and whether the
// pen's light is on. The pen glides in a straight line between two consecutive lit key
// points; an unlit key point switches the light off until the next key point. From its calibrate
// time on (if it has one) a calibrating user holds the pen instead of the key points.
#include <cstdint>
#include <optional>
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
    // From `atMs` on the pen belongs to a calibrating user; the earliest such time counts.
    PenScript& Calibrate(uint64_t atMs);
    bool CalibratingAt(uint64_t ms) const { return calibrateFrom_ && ms >= *calibrateFrom_; }
    std::optional<uint64_t> CalibrateFrom() const { return calibrateFrom_; }

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
    std::optional<uint64_t> calibrateFrom_;
};

}  // namespace halvertone::sim
