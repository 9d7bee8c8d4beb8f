#include "platform/file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace halvertone {

std::string NativePath(const std::string& programPath) {
#ifdef _WIN32
    return programPath;
#else
    std::string p = programPath;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
#endif
}

bool IsRegularFile(const std::string& programPath) {
    std::error_code ec;
    return std::filesystem::is_regular_file(NativePath(programPath), ec);
}

std::optional<std::string> ReadFileBytes(const std::string& programPath) {
    if (!IsRegularFile(programPath)) return std::nullopt;
    std::FILE* f = std::fopen(NativePath(programPath).c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    char chunk[8192];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::string& programPath, std::string_view bytes) {
    std::FILE* f = std::fopen(NativePath(programPath).c_str(), "wb");
    if (!f) return false;
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && wrote;
}

}  // namespace halvertone
