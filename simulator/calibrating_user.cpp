#include "simulator/calibrating_user.h"

namespace halvertone::sim {
namespace {

// More than one stage can end at the same moment (a pause ends and a new target is in view).
constexpr int kMostStagesAtOnce = 4;

}  // namespace

void CalibratingUser::Enter(Stage stage, uint64_t ms) {
    stage_ = stage;
    since_ = ms;
}

bool CalibratingUser::Step(uint64_t ms, const TargetSighting& seen) {
    const uint64_t elapsed = ms - since_;
    switch (stage_) {
        case Stage::kWaiting:
            if (!seen.shown || seen.serial == done_) return false;
            serial_ = seen.serial;
            cross_ = seen.cross;
            Enter(Stage::kLooking, ms);
            return true;
        case Stage::kLooking:
            if (seen.serial != serial_) {
                Enter(Stage::kWaiting, ms);
                return true;
            }
            if (elapsed < timing_.reactMs) return false;
            movedOn_ = false;
            Enter(Stage::kHolding, ms);
            return true;
        case Stage::kHolding:
            if (seen.serial != serial_) movedOn_ = true;
            if (!(movedOn_ && elapsed >= timing_.holdMs) && elapsed < timing_.retryMs) return false;
            // A target that never moved on is taken again after the pause.
            done_ = movedOn_ ? serial_ : 0;
            Enter(Stage::kLifted, ms);
            return true;
        case Stage::kLifted:
            if (elapsed < timing_.pauseMs) return false;
            Enter(Stage::kWaiting, ms);
            return true;
    }
    return false;
}

PenSample CalibratingUser::At(uint64_t ms) {
    const TargetSighting seen = watch_.Now();
    for (int i = 0; i < kMostStagesAtOnce && Step(ms, seen); ++i) {
    }
    if (stage_ != Stage::kHolding) return PenSample{};
    return PenSample{true, static_cast<double>(cross_.x) + 0.5,
                     static_cast<double>(cross_.y) + 0.5};
}

}  // namespace halvertone::sim
