#include "tools/probe/screen_arg.h"

#include "tools/probe/command.h"

namespace halvertone::probe {

bool ParseScreen(const std::string& text, int32_t& w, int32_t& h) {
    const size_t cross = text.find('x');
    long pw = 0, ph = 0;
    if (cross == std::string::npos || !ParseInt(text.substr(0, cross), 1, 65535, pw) ||
        !ParseInt(text.substr(cross + 1), 1, 65535, ph))
        return false;
    w = static_cast<int32_t>(pw);
    h = static_cast<int32_t>(ph);
    return true;
}

}  // namespace halvertone::probe
