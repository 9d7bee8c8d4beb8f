#include "platform/program_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace halvertone {
namespace {

std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramLog, StampsAppendsRestartsWhenLargeAndRefusesADirectory) {
    const auto dir = std::filesystem::temp_directory_path() / "halvertone_program_log_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto file = dir / kProgramLogFileName;

    LogLine("before open");  // goes nowhere
    OpenProgramLog(file);
    LogLine("camera connected");
    CloseProgramLog();
    OpenProgramLog(file);
    LogLine("camera disconnected");
    CloseProgramLog();
    LogLine("after close");
    EXPECT_TRUE(std::regex_match(
        ReadAll(file),
        std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d camera connected\n"
                   "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d camera disconnected\n")));

    std::ofstream(file, std::ios::binary) << std::string(kProgramLogLimit + 1, 'x');
    OpenProgramLog(file);
    LogLine("fresh");
    CloseProgramLog();
    EXPECT_EQ(ReadAll(file).find('x'), std::string::npos);

    const auto sub = dir / "sub";
    std::filesystem::create_directories(sub);
    OpenProgramLog(sub);
    LogLine("lost");
    CloseProgramLog();
    EXPECT_TRUE(std::filesystem::is_directory(sub));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace halvertone
