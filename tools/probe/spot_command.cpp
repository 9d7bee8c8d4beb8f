// halvertone-probe spot --threshold T --mode mouse|pen FRAME.bmp
#include <cstdio>

#include "tools/probe/command.h"
#include "tools/probe/frame_args.h"
#include "tracking/spot_finder.h"

namespace halvertone::probe {
namespace {

int RunSpot(const Args& args) {
    const ParsedArgs p = ParseArgs(args, {"threshold", "mode"});
    if (!p.error.empty()) return UsageError(p.error);
    uint8_t T = 0;
    if (!ThresholdOption(p, T)) return UsageError("--threshold must be 0..255");
    const std::string* mode = p.Option("mode");
    if (!mode || (*mode != "mouse" && *mode != "pen"))
        return UsageError("--mode must be mouse or pen");
    std::vector<uint8_t> bytes;
    if (const int status = ReadFrameArgument(p, "spot", bytes)) return status;
    const CameraFrame frame{bytes.data()};
    const bool present = BrightPixelPresent(frame, T);
    const auto spot =
        FindSpot(frame, kWholeFrame, T, *mode == "mouse" ? ScanRows::kMouse : ScanRows::kPenEraser);
    if (!spot) {
        std::printf("{\"hit\":null,\"present\":%s}\n", present ? "true" : "false");
        return 0;
    }
    const SpotBox& b = spot->box;
    const PixelPoint c = b.Centre();
    std::printf("{\"hit\":[%d,%d],\"box\":[%d,%d,%d,%d],\"centre\":[%d,%d],\"present\":%s}\n",
                spot->hit.x, spot->hit.y, b.minX, b.maxX, b.minY, b.maxY, c.x, c.y,
                present ? "true" : "false");
    return 0;
}

const CommandRegistrar kSpot("spot", "spot --threshold T --mode mouse|pen FRAME.bmp", RunSpot);

}  // namespace
}  // namespace halvertone::probe
