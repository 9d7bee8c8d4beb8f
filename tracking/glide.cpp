#include "tracking/glide.h"

#include <algorithm>
#include <cstdlib>

#include "base/float_to_int.h"

namespace halvertone {
namespace {

// A target or a cursor far beyond the screen (an unplaced table entry after a degenerate
// calibration, a cursor on a vanished monitor) would make the walk take millions of 1 ms
// steps while the camera waits; the walk runs within a screen's width past either edge.
// Ends nearer than that walk exactly as given.
int64_t WalkLimit(int64_t target, int32_t extent) {
    const int64_t band = std::max<int64_t>(extent, 1);
    return std::clamp<int64_t>(target, -band, 2 * band);
}

// Walks c from `from` towards `to` in steps of `step`, inclusive of `to`, calling visit(c).
template <typename Visit>
void Walk(int64_t from, int64_t to, int64_t step, Visit visit) {
    if (to > from) {
        for (int64_t c = from; c <= to; c += step) visit(c);
    } else {
        for (int64_t c = from; c >= to; c -= step) visit(c);
    }
}

}  // namespace

int32_t GlideStep(int32_t mouseDownMoveSpeed) {
    return std::max(mouseDownMoveSpeed, 1);
}

void Glide(const MouseOutput& out, PixelPoint target, int32_t mouseDownMoveSpeed) {
    const PixelPoint cursor = out.cursor.Get();
    const PixelPoint p{static_cast<int32_t>(WalkLimit(cursor.x, out.screen.width)),
                       static_cast<int32_t>(WalkLimit(cursor.y, out.screen.height))};
    const int64_t step = GlideStep(mouseDownMoveSpeed);
    const int64_t ddx = int64_t{target.x} - p.x;
    const int64_t ddy = int64_t{target.y} - p.y;
    const auto stepTo = [&](int64_t x, int64_t y) {
        out.Send(out.Normalise(x, y), kMouseMove);
        out.clock.SleepMs(1);
    };
    if (std::llabs(ddy) > std::llabs(ddx)) {
        Walk(p.y, WalkLimit(target.y, out.screen.height), step, [&](int64_t c) {
            const double x = p.x + static_cast<double>(c - p.y) * static_cast<double>(ddx) /
                                       static_cast<double>(ddy);
            stepTo(TruncateToInt32(x), c);
        });
    } else {
        Walk(p.x, WalkLimit(target.x, out.screen.width), step, [&](int64_t d) {
            const double y = ddx == 0
                                 ? p.y
                                 : p.y + static_cast<double>(d - p.x) * static_cast<double>(ddy) /
                                             static_cast<double>(ddx);
            stepTo(d, TruncateToInt32(y));
        });
    }
    out.Send(out.Normalise(target.x, target.y), kMouseMove);
}

}  // namespace halvertone
