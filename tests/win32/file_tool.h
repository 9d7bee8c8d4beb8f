#pragma once
// Asking the Linux `file` tool what a file written under Wine holds.
#include <windows.h>

#include <cstdio>
#include <string>

namespace halvertone::testing {

// The bytes of a file; empty when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.append(buffer, n);
        std::fclose(f);
    }
    return out;
}

// The Linux path of a file, so that a Linux tool can look at it.
inline std::string UnixPath(const std::string& windowsPath) {
    using Fn = char* (*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = toUnix(wide.c_str());
    if (!unixPath) return {};
    std::string out = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return out;
}

// What `file -b` says about a file; empty when the tool could not be run. Wine starts Linux
// programs but does not hand them our pipes, so a shell writes the answer to a file.
inline std::string FileToolSays(const std::string& windowsPath) {
    const std::string answerPath = windowsPath + ".says";
    const std::string unixPath = UnixPath(windowsPath), unixAnswer = UnixPath(answerPath);
    if (unixPath.empty() || unixAnswer.empty()) return {};
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string command =
        "/bin/sh -c \"/usr/bin/file -b '" + unixPath + "' > '" + unixAnswer + "'\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return {};
    CloseHandle(pi.hProcess);  // not a process Wine can wait for: poll for the finished line
    CloseHandle(pi.hThread);
    std::string out;
    for (int tries = 0; tries < 200 && (out.empty() || out.back() != '\n'); ++tries) {
        Sleep(50);
        out = ReadWholeFile(answerPath);
    }
    return out;
}

}  // namespace halvertone::testing
