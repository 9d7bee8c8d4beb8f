#include "platform/sim/calibrating_user.h"

namespace halvertone::sim {

void CalibratingUser::Look(uint64_t ms, const TargetSighting& seen) {
    stage_ = Stage::kLooking;
    since_ = ms;
    serial_ = seen.serial;
    cross_ = seen.cross;
}

PenSample CalibratingUser::At(uint64_t ms) {
    const TargetSighting seen = watch_.Now();
    const uint64_t elapsed = ms - since_;
    switch (stage_) {
        case Stage::kWaiting:
            if (seen.shown && seen.serial != done_) Look(ms, seen);
            break;
        case Stage::kLooking:
            if (seen.serial != serial_) {
                if (seen.shown)
                    Look(ms, seen);
                else
                    stage_ = Stage::kWaiting;
            } else if (elapsed >= timing_.reactMs) {
                stage_ = Stage::kHolding;
                since_ = ms;
                movedOn_ = false;
            }
            break;
        case Stage::kHolding:
            if (seen.serial != serial_) movedOn_ = true;
            if ((movedOn_ && elapsed >= timing_.holdMs) || elapsed >= timing_.retryMs) {
                // A target that never moved on is taken again after the pause.
                done_ = movedOn_ ? serial_ : 0;
                stage_ = Stage::kLifted;
                since_ = ms;
            }
            break;
        case Stage::kLifted:
            if (elapsed >= timing_.pauseMs) stage_ = Stage::kWaiting;
            break;
    }
    if (stage_ != Stage::kHolding) return PenSample{};
    return PenSample{true, static_cast<double>(cross_.x) + 0.5,
                     static_cast<double>(cross_.y) + 0.5};
}

}  // namespace halvertone::sim
