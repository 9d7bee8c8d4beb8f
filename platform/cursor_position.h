#pragma once
// The cursor-position port: where the system cursor is, in screen pixels.
#include "base/pixel_rect.h"

namespace halvertone {

class CursorPosition {
  public:
    virtual ~CursorPosition() = default;
    virtual PixelPoint Get() const = 0;
};

}  // namespace halvertone
