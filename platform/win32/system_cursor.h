#pragma once
// The system cursor's position (GetCursorPos).
#include "platform/cursor_position.h"

namespace halvertone::win32 {

class SystemCursor final : public CursorPosition {
  public:
    // (0, 0) when the position cannot be read (for example on a locked desktop).
    PixelPoint Get() const override;
};

}  // namespace halvertone::win32
