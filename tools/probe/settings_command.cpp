// halvertone-probe settings --dir PROGRAM_DIR [--language HEXID]
// The settings of a program directory as start-up reads them (no registry here: without
// "Setting.ini" every value is its default) and the language file chosen for HEXID
// (default 409), as one JSON line.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/setting_keys.h"
#include "platform/file_bytes.h"
#include "platform/ini_file_store.h"
#include "shell/language_choice.h"
#include "shell/settings_loader.h"
#include "tools/probe/command.h"

namespace halvertone::probe {
namespace {

class StderrMessageBox final : public MessageBoxPort {
  public:
    void ShowOk(const std::string& text) override {
        std::fprintf(stderr, "message box: %s\n", text.c_str());
    }
};

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {  // bytes of the file's code page: kept valid JSON
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string JsonList(const std::array<std::string, kCameraIdSlots>& list) {
    std::string out = "[";
    for (const std::string& id : list) {
        if (id.empty()) break;
        if (out.size() > 1) out += ",";
        out += JsonString(id);
    }
    return out + "]";
}

std::string FlagJson(const Settings& s, bool flag) {
    const int32_t mode = s.penButtonMode;
    if (mode < 0 || mode > 2) return "\"unchanged\"";
    return flag ? "1" : "0";
}

bool ParseLanguageId(const std::string& text, uint16_t& out) {
    if (text.empty() || text.size() > 4) return false;
    unsigned v = 0;
    for (char c : text) {
        const int d = (c >= '0' && c <= '9')   ? c - '0'
                      : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                               : -1;
        if (d < 0) return false;
        v = v * 16 + static_cast<unsigned>(d);
    }
    out = static_cast<uint16_t>(v);
    return true;
}

int RunSettings(const Args& args) {
    const ParsedArgs p = ParseArgs(args, {"dir", "language"});
    if (!p.error.empty()) return UsageError(p.error);
    const std::string* dir = p.Option("dir");
    if (!dir || !p.positional.empty()) return UsageError("settings needs --dir PROGRAM_DIR");
    std::error_code ec;
    if (!std::filesystem::is_directory(*dir, ec)) return UsageError(*dir + ": not a directory");
    uint16_t language = 0x409;
    if (const std::string* l = p.Option("language"); l && !ParseLanguageId(*l, language))
        return UsageError("--language must be a hexadecimal language id such as 409");

    std::string programDir = *dir;
    while (programDir.size() > 1 && programDir.back() == '/') programDir.pop_back();
    programDir += "/";
    const DirectorySettings loaded = LoadSettingsForDirectory(programDir);
    IniProfileFiles files;
    StderrMessageBox messages;
    const LanguageChoice choice = ChooseLanguage(programDir, language, files, messages);

    const Settings& s = loaded.settings;
    std::string json = "{\"PID\":" + JsonList(s.pid) + ",\"VID\":" + JsonList(s.vid);
    for (const IntSettingKey& key : IntSettingKeys())
        json += "," + JsonString(key.name) + ":" + std::to_string(key.held(s));
    json += ",\"count\":" + std::to_string(s.cameraIdCount);
    json += ",\"captureToolFlag\":" + FlagJson(s, s.captureToolFlag);
    json += ",\"boardFollowsToolFlag\":" + FlagJson(s, s.boardFollowsToolFlag);
    json += ",\"languageFile\":" + JsonString(NativePath(choice.languageFilePath)) + "}";
    std::printf("%s\n", json.c_str());
    return 0;
}

const CommandRegistrar kSettings("settings", "settings --dir PROGRAM_DIR [--language HEXID]",
                                 RunSettings);

}  // namespace
}  // namespace halvertone::probe
