#include "annotation/tool_selection.h"

#include "tracking/tool_mode.h"

namespace halvertone {

ToolSelectionPlan PlanToolSelection(int32_t tool, bool captureToolFlag, bool boardFollowsTool,
                                    bool boardOn) {
    ToolSelectionPlan plan;
    switch (tool) {
        case kToolMouse:
            if (!captureToolFlag && boardFollowsTool && boardOn) {
                plan.board = BoardChange::kTurnOff;
                plan.showTaskbar = true;
            }
            if (!captureToolFlag && boardFollowsTool) plan.buttons = DrawingButtons::kDisable;
            break;
        case kToolPen:
        case kToolEraser:
            plan.readDrawSensitivity = tool == kToolPen;
            if (boardFollowsTool && !boardOn) plan.board = BoardChange::kTurnOn;
            plan.buttons = DrawingButtons::kEnable;
            plan.showToolbar = tool == kToolPen;
            break;
        default:
            break;
    }
    return plan;
}

}  // namespace halvertone
