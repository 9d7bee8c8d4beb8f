#pragma once
// The running program's own file, found through the wide-character call so that no folder
// name is cut at 260 characters or turned into '?'. The program keeps its paths in the ANSI
// code page (its settings and language files are read through the 8-bit profile calls), so
// the path is handed on in that code page: as it is when every character has an ANSI form,
// else as the system's short name of the same file, which has one.
#include <optional>
#include <string>

namespace halvertone {

// Nothing when no ANSI path under 260 characters reaches the program file.
std::optional<std::string> ModuleFilePathAnsi();

// The folder part of `path`, up to and including its last backslash.
std::string FolderOf(const std::string& path);

}  // namespace halvertone
