#pragma once
// The toolbar's side of the capture tool protocol: what it keeps from the tool's messages and
// how it answers them.
#include <cstdint>

#include "base/shared_value.h"

namespace halvertone {

// Written on the interface thread by the message handler, read by the pen and eraser workers.
struct CaptureToolState {
    // Last value of code 2 (0 at start); non-zero means the tool is drawing.
    SharedValue<intptr_t> drawingState{0};
    // Last window reported with code 4 (0 = none yet).
    SharedValue<uintptr_t> window{0};
};

// What the handler asks of the toolbar window.
class CaptureToolHost {
  public:
    virtual ~CaptureToolHost() = default;
    virtual void ShowToolbar() = 0;
};

// One `ScreenDrawMessage` arriving at the toolbar: code 2 stores the drawing state, code 4 the
// tool's window, code 5 shows the toolbar when "Operation Mode" is 0; other codes are ignored.
// Returns the answer to the message, which is always 0.
intptr_t HandleScreenDrawMessage(uintptr_t code, intptr_t value, int32_t operationMode,
                                 CaptureToolState& state, CaptureToolHost& host);

}  // namespace halvertone
