#pragma once
// Repaints every window on the desktop at once, which also wipes what was drawn straight onto
// the screen (calibration targets, annotations).
#include "platform/screen_repainter.h"

namespace halvertone {

class DesktopRepainter final : public ScreenRepainter {
  public:
    void RepaintAll(bool erase) override;
};

}  // namespace halvertone
