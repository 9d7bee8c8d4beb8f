#pragma once
// Draws calibration targets straight onto the screen, above every window.
#include <span>

#include "calibration/target_layout.h"

namespace halvertone {

class TargetPainter {
  public:
    virtual ~TargetPainter() = default;
    // Shapes in drawing order: later shapes cover earlier ones.
    virtual void Paint(std::span<const TargetShape> shapes) = 0;
};

}  // namespace halvertone
