#include "platform/win32/module_path.h"

#include <windows.h>

namespace halvertone {
namespace {

constexpr DWORD kLongestPath = 32768;

std::wstring ModuleFileNameW() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= kLongestPath) return {};
        path.resize(path.size() * 2);  // cut off: try a larger buffer
    }
}

// The text in the ANSI code page, or nothing when a character has no exact form there.
std::optional<std::string> ExactlyAnsi(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    // A UTF-8 code page holds every character (and refuses the default-character check).
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* check = utf8 ? nullptr : &usedDefault;
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, check);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), size, out.data(), n, nullptr, check);
    if (usedDefault) return std::nullopt;
    return out;
}

std::optional<std::string> Usable(std::optional<std::string> path) {
    if (!path || path->size() >= MAX_PATH) return std::nullopt;
    return path;
}

}  // namespace

std::optional<std::string> ModuleFilePathAnsi() {
    const std::wstring path = ModuleFileNameW();
    if (path.empty()) return std::nullopt;
    if (auto ansi = Usable(ExactlyAnsi(path))) return ansi;
    const DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0 || n > kLongestPath) return std::nullopt;
    std::wstring shortPath(n, L'\0');
    const DWORD got = GetShortPathNameW(path.c_str(), shortPath.data(), n);
    if (got == 0 || got >= n) return std::nullopt;
    shortPath.resize(got);
    return Usable(ExactlyAnsi(shortPath));
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace halvertone
