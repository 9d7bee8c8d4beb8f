// halvertone-probe table --dir PROGRAM_DIR --screen WxH [--flag 0|1] --out TABLE.bin
// Builds the camera-to-screen table from a program directory's settings as the program does
// (its "Mapping Mode" included), starting from an all-zero table as a fresh process. Flag 1 is the
// build at the end of a calibration: the lattice's outer ring is extended and, with "Setting.ini"
// in the directory, written back as the program writes it. The table goes to TABLE.bin as
// little-endian int32 pairs (screen x, screen y) in table order, index x * 480 + y; one JSON line
// tells the scan window, the ActiveRegion's bounding box and how many entries are (-1, -1), (-1,
// y), (x, -1).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "calibration/table_builder.h"
#include "platform/ini_file_store.h"
#include "shell/settings_load.h"
#include "shell/settings_loader.h"
#include "tools/probe/command.h"
#include "tools/probe/screen_arg.h"

namespace halvertone::probe {
namespace {

void PutLittleEndian(std::vector<char>& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((u >> shift) & 0xFF));
}

std::string JsonRect(const PixelRect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
}

int RunTable(const Args& args) {
    const ParsedArgs p = ParseArgs(args, {"dir", "screen", "flag", "out"});
    if (!p.error.empty()) return UsageError(p.error);
    const std::string* dir = p.Option("dir");
    const std::string* screen = p.Option("screen");
    const std::string* outPath = p.Option("out");
    if (!dir || !screen || !outPath || !p.positional.empty())
        return UsageError("table needs --dir PROGRAM_DIR --screen WxH --out TABLE.bin");
    std::error_code ec;
    if (!std::filesystem::is_directory(*dir, ec)) return UsageError(*dir + ": not a directory");
    int32_t w = 0, h = 0;
    if (!ParseScreen(*screen, w, h)) return UsageError("--screen must be WxH, each 1..65535");
    long flag = 0;
    if (const std::string* f = p.Option("flag"); f && !ParseInt(*f, 0, 1, flag))
        return UsageError("--flag must be 0 or 1");
    // Opened first: a table that cannot be written must not cost the settings file a save.
    std::ofstream out(*outPath, std::ios::binary | std::ios::trunc);
    if (!out) return UsageError("cannot write " + *outPath);

    std::string programDir = *dir;
    while (programDir.size() > 1 && programDir.back() == '/') programDir.pop_back();
    programDir += "/";
    DirectorySettings loaded = LoadSettingsForDirectory(programDir);
    IniFileStore settingsFile(loaded.settingsFilePath);
    CalibrationFile file{loaded.settingsFileFound, &settingsFile, [&] {
                             LoadSettings(loaded.settings, SettingsSource{loaded.settingsFileFound,
                                                                          &settingsFile, nullptr});
                         }};
    ScreenMetrics metrics;
    metrics.Set(w, h);
    auto mapping = std::make_unique<ScreenMapping>();
    TableBuilder(loaded.settings, metrics, *mapping, file).Build(static_cast<int>(flag));

    std::vector<char> bytes;
    bytes.reserve(sizeof(CameraToScreenTable));
    size_t both = 0, onlyX = 0, onlyY = 0;
    for (const PixelPoint& e : mapping->Table().Entries()) {
        PutLittleEndian(bytes, e.x);
        PutLittleEndian(bytes, e.y);
        if (e.x == kUnknown && e.y == kUnknown)
            ++both;
        else if (e.x == kUnknown)
            ++onlyX;
        else if (e.y == kUnknown)
            ++onlyY;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return UsageError("cannot write " + *outPath);
    std::printf(
        "{\"scanWindow\":%s,\"regionBox\":%s,\"unknownBoth\":%zu,\"unknownX\":%zu,"
        "\"unknownY\":%zu}\n",
        JsonRect(mapping->scanWindow).c_str(),
        JsonRect(mapping->activeRegion.BoundingBox()).c_str(), both, onlyX, onlyY);
    return 0;
}

const CommandRegistrar kTable("table",
                              "table --dir PROGRAM_DIR --screen WxH [--flag 0|1] --out TABLE.bin",
                              RunTable);

}  // namespace
}  // namespace halvertone::probe
