#pragma once
// What a display change does to the table: the trackers read it without a lock, so every tool
// is stopped first and given time to finish its frame, then the screen size is read again and
// the table rebuilt for it, and the tool that was chosen starts again.
#include <cstdint>
#include <functional>

#include "calibration/table_builder.h"
#include "platform/clock.h"
#include "shell/screen_metrics.h"

namespace halvertone {

struct ScreenSize {
    int32_t width = 0;
    int32_t height = 0;
};

struct DisplayChangePorts {
    std::function<void()> stopAllTools;  // clears the mouse, pen, eraser and calibration flags
    std::function<ScreenSize()> readScreenSize;
    std::function<void()> layOutToolbar;
    std::function<void()> restartCurrentTool;
};

inline constexpr uint32_t kDisplayChangeSettleMs = 300;

// Stops the tools, waits 300 ms, reads the screen size into `metrics` (scales W * 0.0015625 and
// H * 0.0020833333333333333), lays the toolbar out, rebuilds the table with flag 0 and
// restarts the current tool. A missing port is skipped.
void RebuildAfterDisplayChange(const DisplayChangePorts& ports, Clock& clock,
                               ScreenMetrics& metrics, TableBuilder& builder);

}  // namespace halvertone
