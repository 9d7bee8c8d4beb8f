#include "annotation/capture_tool_command.h"

#include <limits>

namespace halvertone {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string CaptureToolCommandLine(std::string_view programPath, intptr_t toolbarWindow) {
    const size_t slash = programPath.find_last_of('\\');
    const std::string_view dir =
        slash == std::string_view::npos ? std::string_view{} : programPath.substr(0, slash + 1);
    std::string line = "\"";
    line.append(dir);
    line.append(kCaptureToolFileName);
    line.append("\" ");
    line.append(std::to_string(toolbarWindow));
    return line;
}

std::optional<intptr_t> ParseToolbarWindow(std::string_view arguments) {
    size_t i = 0;
    while (i < arguments.size() && IsBlank(arguments[i])) ++i;
    bool negative = false;
    if (i < arguments.size() && (arguments[i] == '-' || arguments[i] == '+'))
        negative = arguments[i++] == '-';
    const size_t digitsStart = i;
    // Accumulate as a negative number so that the most negative value still fits.
    intptr_t v = 0;
    constexpr intptr_t kMin = std::numeric_limits<intptr_t>::min();
    for (; i < arguments.size() && arguments[i] >= '0' && arguments[i] <= '9'; ++i) {
        const int d = arguments[i] - '0';
        if (v < (kMin + d) / 10) return std::nullopt;
        v = v * 10 - d;
    }
    if (i == digitsStart) return std::nullopt;
    while (i < arguments.size() && IsBlank(arguments[i])) ++i;
    if (i != arguments.size()) return std::nullopt;
    if (!negative) {
        if (v == kMin) return std::nullopt;
        v = -v;
    }
    if (v == 0) return std::nullopt;
    return v;
}

}  // namespace halvertone
