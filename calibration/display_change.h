#pragma once
// The rebuild half of a display change, run while every tool is stopped (dispatch flags
// cleared and 300 ms given to the workers, ToolStarter::DisplayChange): the screen size is
// read again, the toolbar lays itself out for it and the table is rebuilt without the
// post-calibration step. The starter then restarts the chosen tool.
#include <cstdint>
#include <functional>

#include "base/screen_metrics.h"
#include "calibration/table_builder.h"

namespace halvertone {

struct ScreenSize {
    int32_t width = 0;
    int32_t height = 0;
};

struct DisplayRebuildPorts {
    std::function<ScreenSize()> readScreenSize;
    std::function<void()> layOutToolbar;
};

// Reads the screen size into `metrics` (scales W * 0.0015625 and H * 0.0020833333333333333),
// lays the toolbar out and builds the table with flag 0. A missing port is skipped.
void RebuildForNewScreen(const DisplayRebuildPorts& ports, ScreenMetrics& metrics,
                         TableBuilder& builder);

}  // namespace halvertone
