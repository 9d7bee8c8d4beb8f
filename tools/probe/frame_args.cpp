#include "tools/probe/frame_args.h"

#include <string>

#include "capture/frame_bmp.h"

namespace halvertone::probe {

bool ThresholdOption(const ParsedArgs& p, uint8_t& threshold) {
    long value = 0;
    const std::string* t = p.Option("threshold");
    if (!t || !ParseInt(*t, 0, 255, value)) return false;
    threshold = static_cast<uint8_t>(value);
    return true;
}

int ReadFrameArgument(const ParsedArgs& p, const char* command, std::vector<uint8_t>& frame) {
    if (p.positional.size() != 1)
        return UsageError(std::string(command) + " needs exactly one FRAME.bmp");
    FrameFileResult file = ReadFrameBmp(p.positional[0]);
    if (!file.ok) return UsageError(p.positional[0] + ": " + file.error);
    frame = std::move(file.frame);
    return 0;
}

}  // namespace halvertone::probe
