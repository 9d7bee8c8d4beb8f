#pragma once
// Starting another program without waiting for it.
#include <string>

namespace halvertone::win32 {

// Starts `commandLine` with its window shown as `show` (an SW_ value); false when it could not
// be started. Nothing is shown to the user either way.
bool StartProgram(std::string commandLine, int show);

}  // namespace halvertone::win32
