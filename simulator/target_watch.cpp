#include "simulator/target_watch.h"

#include "simulator/camera_model.h"

namespace halvertone::sim {
namespace {

bool IsCurrent(const TargetShape& s) {
    return s.penColor == kRed && s.fillColor == kGreen;
}

}  // namespace

void TargetWatch::See(std::span<const TargetShape> shapes) {
    const TargetShape* current = nullptr;
    for (const TargetShape& s : shapes)
        if (IsCurrent(s)) current = &s;
    Update(current != nullptr, current ? CrossOf(*current) : PixelPoint{});
}

void TargetWatch::Wiped() {
    Update(false, {});
}

void TargetWatch::Update(bool shown, PixelPoint cross) {
    std::lock_guard lock(mutex_);
    if (shown == now_.shown && (!shown || cross == now_.cross)) return;
    now_.shown = shown;
    now_.cross = shown ? cross : PixelPoint{};
    ++now_.serial;
}

TargetSighting TargetWatch::Now() const {
    std::lock_guard lock(mutex_);
    return now_;
}

}  // namespace halvertone::sim
