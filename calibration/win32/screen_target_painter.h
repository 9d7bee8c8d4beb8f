#pragma once
// Draws calibration targets straight onto the whole screen's device context, over every
// window, so they stay visible whatever repaints underneath.
#include "calibration/target_painter.h"

namespace halvertone {

class ScreenTargetPainter final : public TargetPainter {
  public:
    void Paint(std::span<const TargetShape> shapes) override;
};

}  // namespace halvertone
