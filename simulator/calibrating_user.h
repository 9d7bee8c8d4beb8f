#pragma once
// A person calibrating with the pen: when a new target appears they look at it for a moment,
// press the pen's light onto its cross and hold it there at least about a second, until the
// target moves on; then they lift the pen, pause, and go to the next one. A target that does
// not move on for a long while gets the pen lifted and pressed again, as a person would.
#include <cstdint>

#include "simulator/pen_script.h"
#include "simulator/target_watch.h"

namespace halvertone::sim {

struct UserTiming {
    uint64_t reactMs = 300;   // from seeing a target to pressing the pen on it
    uint64_t holdMs = 1000;   // shortest hold
    uint64_t pauseMs = 300;   // pen lifted between two targets
    uint64_t retryMs = 4000;  // a hold that long without the target moving on is given up
};

class CalibratingUser {
  public:
    explicit CalibratingUser(const TargetWatch& watch, UserTiming timing = {})
        : watch_(watch), timing_(timing) {}

    // The pen at `ms`; calls come from one thread with times that do not go back.
    PenSample At(uint64_t ms);

  private:
    enum class Stage { kWaiting, kLooking, kHolding, kLifted };
    // One change of stage, if one is due; true when the stage changed.
    bool Step(uint64_t ms, const TargetSighting& seen);
    void Enter(Stage stage, uint64_t ms);

    const TargetWatch& watch_;
    UserTiming timing_;
    Stage stage_ = Stage::kWaiting;
    uint64_t since_ = 0;   // when the current stage began
    uint64_t serial_ = 0;  // the sighting the pen is (or will be) held on
    uint64_t done_ = 0;    // the last sighting that moved on under the pen
    PixelPoint cross_;
    bool movedOn_ = false;  // the held target has been replaced or wiped
};

}  // namespace halvertone::sim
