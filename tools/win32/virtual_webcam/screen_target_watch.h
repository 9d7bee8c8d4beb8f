#pragma once
// The calibrating user's eyes: which calibration target the real screen shows now. The filter
// runs inside the program, so it sees the screen a person in front of it would; a target is
// current where its square is filled green.
#include <cstdint>
#include <vector>

#include "calibration/target_layout.h"
#include "simulator/target_watch.h"

namespace halvertone::webcam {

class ScreenTargetWatch {
  public:
    explicit ScreenTargetWatch(const TargetGeometry& geometry);

    // Looks at the screen again when the last look is older than a glance.
    void Look(uint64_t ms);
    const sim::TargetWatch& Watch() const { return watch_; }

  private:
    std::vector<TargetShape> candidates_;
    sim::TargetWatch watch_;
    uint64_t lastMs_ = 0;
    bool looked_ = false;
};

}  // namespace halvertone::webcam
