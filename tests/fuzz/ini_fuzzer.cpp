// libFuzzer target: any bytes as "Setting.ini" or a language file. Nothing may crash, every
// read stays inside its buffer, the loaded record stays within its limits, and a written
// value is what the next read finds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_encoding.h"
#include "platform/ini_text_store.h"
#include "shell/settings_load.h"
#include "shell/text_table.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvertone;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniTextStore store(bytes);

    Settings settings;
    Require(LoadSettings(settings, SettingsSource{true, &store, nullptr}) == 1);
    Require(settings.cameraIdCount >= 0 && settings.cameraIdCount <= kCameraIdSlots);
    for (size_t i = 0; i < settings.pid.size(); ++i) {
        Require(settings.pid[i].size() <= kCameraIdMaxChars &&
                settings.vid[i].size() <= kCameraIdMaxChars);
        Require(settings.pid[i].find(',') == std::string::npos);
    }

    for (size_t buffer : {size_t{0}, size_t{1}, size_t{2}, size_t{9}, size_t{30}})
        Require(store.GetString("SETTING", "PID", "fallback", buffer).size() <
                std::max<size_t>(buffer, 1));
    for (const TextEntry& e : AllTextEntries())
        Require(ReadText(store, e.id).size() < e.bufferChars);

    IniTextStore written(bytes);
    Require(written.WriteString("SETTING", "Threshold", "123"));
    // A file whose first line, once its leading blanks are gone, starts with the bytes of a
    // byte-order mark is read back in another encoding, by the platform as by us.
    if (DecodeProfileBytes(*written.Bytes()).encoding != DecodeProfileBytes(bytes).encoding)
        return 0;
    Require(written.GetInt("SETTING", "Threshold", 0) == 123);
    Require(IniTextStore(written.Bytes()).GetString("setting", " threshold ", "", 10) == "123");
    return 0;
}
