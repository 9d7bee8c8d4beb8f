#include "annotation/toolbar_side_command.h"

namespace halvertone {
namespace {

// The gesture points at the edge the toolbar is docked on.
bool TowardOwnEdge(int32_t side, int32_t code) {
    return (side == 0 && code == kGestureLeft) || (side == 1 && code == kGestureRight);
}

bool TowardOtherEdge(int32_t side, int32_t code) {
    return (side == 0 && code == kGestureRight) || (side == 1 && code == kGestureLeft);
}

}  // namespace

SideAction DecideSideCommand(bool visible, int32_t projectorPosition, int32_t side, int32_t code) {
    if (code == kGestureIgnored) return SideAction::kNothing;
    const int32_t p = projectorPosition;
    if (visible) {
        if (p != 0 && p != 1 && p != 2 && p != 4) return SideAction::kNothing;
        return TowardOwnEdge(side, code) ? SideAction::kHide : SideAction::kSwitchSide;
    }
    // Front projection (0, 4) shows the camera's left as the screen's left; the mirrored
    // mountings (1, 2) swap them, so the gesture toward the far edge calls it over.
    const bool switches = ((p == 0 || p == 4) && TowardOtherEdge(side, code)) ||
                          ((p == 1 || p == 2) && TowardOwnEdge(side, code));
    return switches ? SideAction::kShowAndSwitch : SideAction::kShow;
}

}  // namespace halvertone
