#pragma once
// What choosing a tool on the toolbar does besides starting the tool: the board (the companion
// capture tool) follows the tool when "Pen Button Mode" asks for it, the drawing buttons are
// enabled or disabled, and the pen hides the toolbar while it reloads its thinning value.
#include <cstdint>

namespace halvertone {

enum class BoardChange { kNone, kTurnOn, kTurnOff };
enum class DrawingButtons { kLeave, kEnable, kDisable };

struct ToolSelectionPlan {
    bool readDrawSensitivity = false;  // and hide the toolbar meanwhile
    BoardChange board = BoardChange::kNone;
    bool showTaskbar = false;  // after turning the board off
    DrawingButtons buttons = DrawingButtons::kLeave;
    bool showToolbar = false;
};

// `tool` is a ToolMode value; anything else plans nothing.
ToolSelectionPlan PlanToolSelection(int32_t tool, bool captureToolFlag, bool boardFollowsTool,
                                    bool boardOn);

}  // namespace halvertone
