// libFuzzer target: any bytes as a replay script of the probe (read with a syntax that has
// every kind of argument) and as the synthetic pen's script. Nothing may crash; an accepted
// line has exactly its command's arguments, each within its range; the pen's positions stay
// finite at every key point.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "simulator/pen_script_text.h"
#include "tools/probe/script_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvertone;
    const std::string text(reinterpret_cast<const char*>(data), size);

    static const std::vector<probe::ScriptSyntax> kSyntax = {
        {"spot", 2, -10'000'000, 10'000'000},        {"wait", 1, 0, 1'000'000'000},
        {"tool", 0, 0, 0, "mouse|pen|eraser"},       {"colour", 1, 0, 0xFFFFFF, nullptr, true},
        {"toolbar", 4, -100, 100, "visible|hidden"},
    };
    std::istringstream in(text);
    std::vector<probe::ScriptLine> lines;
    if (probe::ParseScript(in, "fuzz", kSyntax, lines).empty()) {
        for (const probe::ScriptLine& line : lines) {
            const probe::ScriptSyntax* s = nullptr;
            for (const auto& candidate : kSyntax)
                if (line.words.at(0) == candidate.name) s = &candidate;
            if (!s || line.values.size() != static_cast<size_t>(s->numbers)) std::abort();
            for (long v : line.values)
                if (v < s->lo || v > s->hi) std::abort();
        }
    }

    const sim::PenScript pen = sim::ParsePenScript(text);
    for (uint64_t ms : {uint64_t{0}, pen.EndMs() / 2, pen.EndMs(), pen.EndMs() + 1}) {
        const sim::PenSample p = pen.At(ms);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) std::abort();
    }
    return 0;
}
