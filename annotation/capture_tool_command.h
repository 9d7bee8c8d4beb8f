#pragma once
// How the capture tool is started and how it learns the toolbar window: the program's own
// path with the file name replaced by "Grab_Screen.exe", followed by the toolbar's window
// handle in decimal.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace halvertone {

inline constexpr char kCaptureToolFileName[] = "Grab_Screen.exe";

// `programPath` is the full path of the running program file. The tool's path is quoted so
// that a directory with blanks cannot be read as a different program.
std::string CaptureToolCommandLine(std::string_view programPath, intptr_t toolbarWindow);

// The toolbar window from the tool's argument text (the command line after the program
// name): one decimal integer, optionally signed, surrounded by blanks only. Nothing for an
// empty, zero, malformed or out-of-range argument.
std::optional<intptr_t> ParseToolbarWindow(std::string_view arguments);

}  // namespace halvertone
