// The settings load and a text read as the program makes them: every key from the shipped
// "Setting.ini" (the file is read afresh for each key, as the platform does), and one text
// from the English language file.
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
