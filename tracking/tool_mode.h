#pragma once
// The tool chosen on the drawing toolbar (its command ids).
#include <cstdint>

namespace halvertone {

enum ToolMode : int32_t {
    kToolMouse = 0x8002,
    kToolPen = 0x8003,
    kToolEraser = 0x8005,
};

// Select-tool argument that re-runs the current tool's selection.
inline constexpr int32_t kCurrentTool = -1;

}  // namespace halvertone
