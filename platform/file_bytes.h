#pragma once
// Whole-file reads and writes for the portable stores. Program paths use backslashes; off
// Windows they are turned into slashes before the file system sees them.
#include <optional>
#include <string>
#include <string_view>

namespace halvertone {

std::string NativePath(const std::string& programPath);
bool IsRegularFile(const std::string& programPath);
// nullopt when the path is not a readable regular file.
std::optional<std::string> ReadFileBytes(const std::string& programPath);
bool WriteFileBytes(const std::string& programPath, std::string_view bytes);

}  // namespace halvertone
