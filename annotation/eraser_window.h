#pragma once
// The eraser square: a small light-green window, always on top, that follows the pen in
// eraser mode. Strokes live only on the screen's surface, so wherever the square has been,
// the windows underneath repaint and the ink there is gone.
//
// One square at a time. It is created hidden at (0, 0), placed and shown by the eraser mode,
// and destroyed at the end of each eraser stroke; everything is called from one thread.
#include <cstdint>

#include "base/pixel_rect.h"

namespace halvertone {

// The square's colour, a GDI colour: red 128, green 255, blue 128.
inline constexpr uint32_t kEraserColour = 0x0080FF80;

class EraserWindow {
  public:
    virtual ~EraserWindow() = default;

    // A hidden square of EraserSide(widthSetting) pixels at (0, 0). A square still on the
    // screen is destroyed first. Returns whether the square exists afterwards.
    virtual bool CreateEraserWindow(int32_t widthSetting) = 0;
    // Moves the square's top-left corner to `topLeft`; its size and stacking stay.
    virtual void MoveTo(PixelPoint topLeft) = 0;
    // Shows the square, painted.
    virtual void Show() = 0;
    // Paints the whole square again at once, without erasing it first.
    virtual void Repaint() = 0;
    virtual bool Exists() const = 0;
    // Removes the square from the screen; nothing when there is none.
    virtual void Destroy() = 0;
};

}  // namespace halvertone
