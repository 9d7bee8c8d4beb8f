#pragma once
// The eraser square: a light-green, always-on-top window that follows the spot in eraser
// mode, so that the windows it uncovers repaint and wipe the strokes there. One at a time;
// created for each eraser stroke and destroyed at its end, all on the eraser worker.
#include <cstdint>

#include "calibration/pixel_rect.h"

namespace halvertone {

class EraserWindow {
  public:
    virtual ~EraserWindow() = default;
    // Creates the square of side EraserSide(widthSetting), places its top-left corner at
    // `topLeft` and shows it. The size stays until the window is destroyed.
    virtual void Create(int32_t widthSetting, PixelPoint topLeft) = 0;
    virtual bool Exists() const = 0;
    // Moves the top-left corner (no size or z-order change); nothing when there is no window.
    virtual void MoveTo(PixelPoint topLeft) = 0;
    // Invalidates the whole square without erasing and paints it at once; nothing when there
    // is no window.
    virtual void Repaint() = 0;
    virtual void Destroy() = 0;
};

}  // namespace halvertone
