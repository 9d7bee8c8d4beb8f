#include "simulator/pen_script.h"

#include <algorithm>

namespace halvertone::sim {

PenScript& PenScript::Down(uint64_t atMs, double x, double y) {
    Add(atMs, PenSample{true, x, y});
    return *this;
}

PenScript& PenScript::Up(uint64_t atMs) {
    Add(atMs, PenSample{});
    return *this;
}

PenScript& PenScript::Calibrate(uint64_t atMs) {
    if (!calibrateFrom_ || atMs < *calibrateFrom_) calibrateFrom_ = atMs;
    return *this;
}

void PenScript::Add(uint64_t atMs, PenSample pen) {
    if (!keys_.empty() && atMs < keys_.back().atMs) return;
    keys_.push_back(Key{atMs, pen});
}

PenSample PenScript::At(uint64_t ms) const {
    // The last key point at or before `ms`.
    const auto next = std::upper_bound(keys_.begin(), keys_.end(), ms,
                                       [](uint64_t t, const Key& k) { return t < k.atMs; });
    if (next == keys_.begin()) return PenSample{};
    const Key& k = *(next - 1);
    if (!k.pen.down || next == keys_.end() || !next->pen.down) return k.pen;
    const double span = static_cast<double>(next->atMs - k.atMs);
    const double f = span > 0 ? static_cast<double>(ms - k.atMs) / span : 1.0;
    return PenSample{true, k.pen.x + (next->pen.x - k.pen.x) * f,
                     k.pen.y + (next->pen.y - k.pen.y) * f};
}

}  // namespace halvertone::sim
