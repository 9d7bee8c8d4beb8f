// halvertone-probe frame --out FRAME.bmp [--spot X,Y[,SIGMA[,PEAK]]]... [--background L]
// Writes a synthetic camera frame, for trying the other subcommands without a camera.
#include <cstdio>
#include <sstream>

#include "capture/frame_bmp.h"
#include "simulator/frame_painter.h"
#include "tools/probe/command.h"

namespace halvertone::probe {
namespace {

int RunFrame(const Args& args) {
    const ParsedArgs p = ParseArgs(args, {"out", "spot", "background"});
    if (!p.error.empty()) return UsageError(p.error);
    const std::string* out = p.Option("out");
    if (!out || !p.positional.empty()) return UsageError("frame needs --out FRAME.bmp");
    long background = 0;
    if (const std::string* b = p.Option("background"); b && !ParseInt(*b, 0, 255, background))
        return UsageError("--background must be 0..255");
    sim::FramePainter painter(static_cast<uint8_t>(background));
    for (const auto& [name, value] : p.options) {
        if (name != "spot") continue;
        double v[4] = {0, 0, 3.0, 255};
        std::istringstream in(value);
        std::string part;
        int n = 0;
        while (n < 4 && std::getline(in, part, ',')) {
            try {
                v[n++] = std::stod(part);
            } catch (...) {
                return UsageError("--spot takes X,Y[,SIGMA[,PEAK]]");
            }
        }
        if (n < 2 || v[2] <= 0 || v[3] < 0 || v[3] > 255) return UsageError("--spot takes X,Y[,SIGMA[,PEAK]]");
        painter.AddSpot(v[0], v[1], v[2], static_cast<uint8_t>(v[3]));
    }
    if (!WriteFrameBmp(*out, painter.Bytes())) return UsageError("cannot write " + *out);
    return 0;
}

const CommandRegistrar kFrame("frame", "frame --out FRAME.bmp [--spot X,Y[,SIGMA[,PEAK]]]... [--background L]",
                              RunFrame);

}  // namespace
}  // namespace halvertone::probe
