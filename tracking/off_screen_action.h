#pragma once
// The off-screen gesture, run once when the spot is lost after having been seen off the
// calibrated screen: above or below it clicks the right button where the cursor is (and
// brings back the mouse tool when pen or eraser mode ran it); at the left or right edge it
// works the toolbar's side command.
#include <cstdint>

#include "tracking/toolbar_view.h"
#include "tracking/dispatch_flags.h"
#include "tracking/mouse_output.h"

namespace halvertone {

void OffScreenAction(int32_t outsideClass, const MouseOutput& out, const DispatchFlags& flags,
                     ToolbarView& toolbar, int32_t operationMode);

}  // namespace halvertone
