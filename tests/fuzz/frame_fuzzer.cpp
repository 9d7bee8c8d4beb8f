// libFuzzer target: any bytes as a recorded frame file. Nothing may crash or read outside
// the file; an accepted file gives exactly one frame.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "capture/camera_frame.h"
#include "capture/frame_bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvertone;
    const halvertone::FrameFileResult r = ParseFrameBmp(std::vector<uint8_t>(data, data + size));
    if (r.ok != r.error.empty() || (r.ok && r.frame.size() != kFrameBytes)) std::abort();
    return 0;
}
