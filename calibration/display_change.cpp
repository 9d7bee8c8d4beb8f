#include "calibration/display_change.h"

namespace halvertone {

void RebuildForNewScreen(const DisplayRebuildPorts& ports, ScreenMetrics& metrics,
                         TableBuilder& builder) {
    if (ports.readScreenSize) {
        const ScreenSize size = ports.readScreenSize();
        metrics.width = size.width;
        metrics.height = size.height;
        metrics.scaleX = size.width * 0.0015625;
        metrics.scaleY = size.height * 0.0020833333333333333;
    }
    if (ports.layOutToolbar) ports.layOutToolbar();
    builder.Build(0);
}

}  // namespace halvertone
