#pragma once
// "Pen Button Mode" decoded into the capture-tool flag and the board-follows-tool flag:
// 0 both clear, 1 board-follows-tool only, 2 capture-tool only; any other value leaves both
// as they were.
#include <cstdint>

#include "base/settings.h"

namespace halvertone {

inline void DecodePenButtonMode(Settings& s) {
    switch (s.penButtonMode.load()) {
        case 0:
            s.captureToolFlag = false;
            s.boardFollowsToolFlag = false;
            break;
        case 1:
            s.captureToolFlag = false;
            s.boardFollowsToolFlag = true;
            break;
        case 2:
            s.captureToolFlag = true;
            s.boardFollowsToolFlag = false;
            break;
        default:
            break;
    }
}

}  // namespace halvertone
