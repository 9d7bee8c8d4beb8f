#include "simulator/pen_script_text.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace halvertone::sim {
namespace {

// Keeps the rendered spot well inside what any later float-to-int conversion can hold.
constexpr double kFarOff = 1e6;

bool Plausible(double v) {
    return std::isfinite(v) && std::fabs(v) < kFarOff;
}

}  // namespace

PenScript ParsePenScript(std::string_view text) {
    PenScript script;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string word;
        long long ms = -1;
        if (!(in >> ms) || ms < 0 || !(in >> word)) continue;
        if (word == "calibrate") {
            script.Calibrate(static_cast<uint64_t>(ms));
        } else if (word == "up") {
            script.Up(static_cast<uint64_t>(ms));
        } else if (word == "down") {
            double x = 0, y = 0;
            if (in >> x >> y && Plausible(x) && Plausible(y))
                script.Down(static_cast<uint64_t>(ms), x, y);
        }
    }
    return script;
}

PenScript LoadPenScript(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return ParsePenScript(text.str());
}

}  // namespace halvertone::sim
