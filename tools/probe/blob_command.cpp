// halvertone-probe blob --threshold T FRAME.bmp
// The calibration scan on a recorded frame, with T as the "CheckEnv Threshold".
#include <cstdio>

#include "calibration/calibration_blob.h"
#include "calibration/centre_refinement.h"
#include "tools/probe/command.h"
#include "tools/probe/frame_args.h"

namespace halvertone::probe {
namespace {

int RunBlob(const Args& args) {
    const ParsedArgs p = ParseArgs(args, {"threshold"});
    if (!p.error.empty()) return UsageError(p.error);
    uint8_t threshold = 0;
    if (!ThresholdOption(p, threshold)) return UsageError("--threshold must be 0..255");
    std::vector<uint8_t> bytes;
    if (const int status = ReadFrameArgument(p, "blob", bytes)) return status;

    const CameraFrame frame{bytes.data()};
    const auto blob = FindCalibrationBlob(frame, threshold);
    if (!blob) {
        std::printf("{\"blob\":null}\n");
        return 0;
    }
    const RefinedCentre r = RefineCentre(frame, *blob, threshold);
    std::printf("{\"blob\":[%d,%d,%d,%d],\"level\":%d,\"refined\":[%d,%d]}\n", blob->left,
                blob->top, blob->right, blob->bottom, r.level, r.centre.x, r.centre.y);
    return 0;
}

const CommandRegistrar kBlob("blob", "blob --threshold T FRAME.bmp", RunBlob);

}  // namespace
}  // namespace halvertone::probe
