#include "tracking/off_screen_action.h"

#include "calibration/outside_zones.h"
#include "tracking/tool_mode.h"

namespace halvertone {

void OffScreenAction(int32_t outsideClass, const MouseOutput& out, const DispatchFlags& flags,
                     ToolbarView& toolbar, int32_t operationMode) {
    if (outsideClass == kOutsideTopBottom) {
        const PixelPoint c = out.cursor.Get();
        const PixelPoint n = out.Normalise(c.x, c.y);
        out.Send(n, kMouseRightDown);
        out.Send(n, kMouseRightUp);
        if (!flags.Mouse()) toolbar.SelectTool(kToolMouse);
        return;
    }
    // With "Operation Mode" 1 the toolbar stays hidden, so the edges do nothing.
    if (operationMode == 0) toolbar.SideCommand(outsideClass);
}

}  // namespace halvertone
