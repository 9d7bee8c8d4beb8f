#pragma once
// The "/q" switch asks a running instance to exit. It is the whole command-line tail,
// compared without regard to case and without trimming: "/q " is a different argument.
#include <string_view>

namespace halvertone {

bool IsQuitSwitch(std::string_view commandLineTail);

}  // namespace halvertone
