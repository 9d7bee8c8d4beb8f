#include "platform/program_log.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <system_error>

namespace halvertone {
namespace {

std::mutex logLock;
std::FILE* logFile = nullptr;

std::FILE* OpenFile(const std::filesystem::path& file, bool append) {
#ifdef _WIN32
    return _wfopen(file.c_str(), append ? L"ab" : L"wb");
#else
    return std::fopen(file.c_str(), append ? "ab" : "wb");
#endif
}

}  // namespace

void OpenProgramLog(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(file, error).type();
    const bool regular = type == std::filesystem::file_type::regular;
    // Only a regular file (or none yet) is written: a directory or a device of that name is
    // left alone and the program runs without a log.
    if (!regular && type != std::filesystem::file_type::not_found) return;
    const bool tooLarge = regular && std::filesystem::file_size(file, error) > kProgramLogLimit;
    std::FILE* opened = OpenFile(file, !tooLarge);
    std::lock_guard<std::mutex> guard(logLock);
    if (logFile != nullptr) std::fclose(logFile);
    logFile = opened;
}

void CloseProgramLog() {
    std::lock_guard<std::mutex> guard(logLock);
    if (logFile != nullptr) std::fclose(logFile);
    logFile = nullptr;
}

void LogLine(std::string_view text) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char stamp[32];
    const size_t n = std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S ", &local);
    std::lock_guard<std::mutex> guard(logLock);
    if (logFile == nullptr) return;
    std::fwrite(stamp, 1, n, logFile);
    std::fwrite(text.data(), 1, text.size(), logFile);
    std::fputc('\n', logFile);
    std::fflush(logFile);
}

}  // namespace halvertone
