// The settings load and a text read as the program makes them: every key from the shipped
// "Setting.ini", a hand-grown 10 MB one (read and parsed once per load; the target is well
// under a second), and one text from the English language file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/file_bytes.h"
#include "platform/ini_file_store.h"
#include "platform/ini_text_store.h"
#include "shell/settings_load.h"
#include "shell/text_table.h"

namespace halvertone {
namespace {

std::string Resource(const char* name) {
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" / name)
        .string();
}

void BM_LoadSettingsFromFile(benchmark::State& state) {
    IniFileStore ini(Resource("Setting.ini"));
    Settings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSettings(settings, SettingsSource{true, &ini, nullptr}));
}
BENCHMARK(BM_LoadSettingsFromFile)->Unit(benchmark::kMicrosecond);

// A "Setting.ini" of 10 MB: a long section of other keys ahead of "SETTING".
void BM_LoadSettingsFromLargeFile(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "halvertone_bench_large.ini").string();
    std::string text = "[OTHER]\r\n";
    while (text.size() < 10'000'000) text += "Key" + std::to_string(text.size()) + "=value\r\n";
    text += "[SETTING]\r\nThreshold=120\r\n";
    WriteFileBytes(path, text);
    Settings settings;
    for (auto _ : state) {
        IniFileStore ini(path);  // a fresh store: the file is read as a new load reads it
        benchmark::DoNotOptimize(LoadSettings(settings, SettingsSource{true, &ini, nullptr}));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSettingsFromLargeFile)->Unit(benchmark::kMillisecond);

void BM_LoadSettingsFromMemory(benchmark::State& state) {
    const std::optional<std::string> bytes = ReadFileBytes(Resource("Setting.ini"));
    IniTextStore ini(bytes);
    Settings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSettings(settings, SettingsSource{true, &ini, nullptr}));
}
BENCHMARK(BM_LoadSettingsFromMemory)->Unit(benchmark::kMicrosecond);

void BM_ReadExitConfirmation(benchmark::State& state) {
    IniFileStore english(Resource("Language/English.ini"));
    for (auto _ : state) benchmark::DoNotOptimize(ReadText(english, TextId::kMsgTerminate));
}
BENCHMARK(BM_ReadExitConfirmation)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvertone
