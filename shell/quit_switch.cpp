#include "shell/quit_switch.h"

namespace halvertone {

bool IsQuitSwitch(std::string_view tail) {
    return tail.size() == 2 && tail[0] == '/' && (tail[1] == 'q' || tail[1] == 'Q');
}

}  // namespace halvertone
