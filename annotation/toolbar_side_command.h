#pragma once
// The side command of an edge gesture: mouse mode passes 1 for the left strip of the camera
// image and 3 for the right one. Whether the toolbar hides, changes side or comes back depends
// on where it is docked and on how the projector is mounted ("Projector Position").
#include <cstdint>

namespace halvertone {

inline constexpr int32_t kGestureLeft = 1;
inline constexpr int32_t kGestureIgnored = 2;
inline constexpr int32_t kGestureRight = 3;

enum class SideAction {
    kNothing,
    kHide,           // hide by gesture
    kSwitchSide,     // as the side button does
    kShow,           // show, check the tool's radio button, focus it
    kShowAndSwitch,  // the same, then switch the side
};

SideAction DecideSideCommand(bool visible, int32_t projectorPosition, int32_t side, int32_t code);

}  // namespace halvertone
