#pragma once
// Strokes go to the capture tool's own list while the capture tool draws on its board: the
// capture-tool flag is set ("Pen Button Mode" 2), the toolbar's board toggle is on, and the
// capture tool last reported a non-zero drawing state.
#include <cstdint>

namespace halvertone {

constexpr bool CaptureToolDrawing(bool captureToolFlag, bool boardToggle, int32_t drawingState) {
    return captureToolFlag && boardToggle && drawingState != 0;
}

}  // namespace halvertone
