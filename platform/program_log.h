#pragma once
// One line per event worth telling a user or a support person ("Halvertone.log" beside the
// program): the camera found or lost, a calibration that could not be used as stored. Lines
// are time-stamped and flushed at once, so a crash or a pulled plug loses none of them.
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace halvertone {

inline constexpr const char* kProgramLogFileName = "Halvertone.log";

// A log that has grown past this many bytes is started afresh when the program opens it.
inline constexpr std::uintmax_t kProgramLogLimit = 1u << 20;

// Thread-safe. Before OpenProgramLog (tests, tools) and after a failed open, lines go nowhere.
void OpenProgramLog(const std::filesystem::path& file);
void CloseProgramLog();
void LogLine(std::string_view text);

}  // namespace halvertone
