#include "tools/win32/lesson/virtual_user.h"

#include <algorithm>
#include <cmath>

namespace halvertone::lesson {
namespace {

constexpr int kStepMs = 15;
// Long enough for a few camera frames to see the pen before it moves.
constexpr int kSettleMs = 150;
// A hand never draws a perfectly straight line. The pen keeps a point only when it moved two
// pixels on both axes, and the camera sees the screen coarser than that: the wobble swings by
// six pixels so that a straight stroke keeps being drawn as it goes. Each side is held for
// four steps, longer than a frame at 30 frames per second: a wobble that changed side every
// step would beat with the frame rate, and the camera would see one side only for many
// frames, leaving a stroke's end undrawn.
constexpr int kWobble[] = {3, -3};
constexpr int kWobbleSteps = 4;

}  // namespace

void VirtualUser::Lift() {
    pen_.Set(false, last_.x, last_.y);
}

void VirtualUser::Tap(POINT p, int holdMs) {
    Hold(p, holdMs);
    Lift();
    Rest(400);
}

void VirtualUser::Hold(POINT p, int ms) {
    last_ = p;
    pen_.Set(true, p.x, p.y);
    Rest(ms);
}

void VirtualUser::Stroke(const std::vector<POINT>& path, int pixelsPerStep) {
    if (path.empty()) return;
    Hold(path.front(), kSettleMs);
    for (size_t i = 1; i < path.size(); ++i) {
        const POINT a = path[i - 1], b = path[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const int steps = std::max(1, static_cast<int>(length / std::max(1, pixelsPerStep)));
        for (int s = 1; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            const int side = s / kWobbleSteps;
            const int wx = s < steps ? kWobble[side % 2] : 0;
            const int wy = s < steps ? kWobble[(side + 1) % 2] : 0;
            const POINT q{static_cast<LONG>(std::lround(a.x + (b.x - a.x) * t)) + wx,
                          static_cast<LONG>(std::lround(a.y + (b.y - a.y) * t)) + wy};
            Hold(q, kStepMs);
        }
    }
    Rest(kSettleMs);
    Lift();
    Rest(300);
}

}  // namespace halvertone::lesson
