#include "tools/win32/virtual_webcam/screen_target_watch.h"

#include <windows.h>

#include "platform/win32/screen_shot.h"

namespace halvertone::webcam {
namespace {

constexpr uint64_t kGlanceMs = 100;
// How far a screen pixel's channel may stray from the target's fill (dithering, scaling).
constexpr int kColourTolerance = 40;

}  // namespace

ScreenTargetWatch::ScreenTargetWatch(const TargetGeometry& g)
    : candidates_(AllTargets(g, TargetStyle::kCurrent)) {}

void ScreenTargetWatch::Look(uint64_t ms) {
    if (looked_ && ms - lastMs_ < kGlanceMs) return;
    looked_ = true;
    lastMs_ = ms;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return;
    const TargetShape* current = nullptr;
    for (const TargetShape& t : candidates_) {
        const COLORREF c = GetPixel(screen, t.square.left + 3, t.square.top + 3);
        if (c != CLR_INVALID && win32::ChannelDistance(c, t.fillColor) <= kColourTolerance)
            current = &t;
    }
    ReleaseDC(nullptr, screen);
    if (current != nullptr)
        watch_.See(std::span<const TargetShape>(current, 1));
    else
        watch_.Wiped();
}

}  // namespace halvertone::webcam
