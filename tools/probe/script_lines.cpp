#include "tools/probe/script_lines.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/probe/command.h"

namespace halvertone::probe {

bool ParseInt(const std::string& text, long lo, long hi, long& out) {
    if (text.empty() || text.size() > 18) return false;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) return false;
    long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    if (text[0] == '-') v = -v;
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

namespace {

bool ParseHex(const std::string& text, long lo, long hi, long& out) {
    if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    long v = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        const char c = text[i];
        const int d = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
        if (d < 0) return false;
        v = v * 16 + d;
    }
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

bool HasChoice(const char* choices, const std::string& word) {
    std::istringstream in(choices);
    for (std::string c; std::getline(in, c, '|');)
        if (c == word) return true;
    return false;
}

std::string ParseLine(const std::string& text, const std::vector<ScriptSyntax>& syntax,
                      ScriptLine& line) {
    std::istringstream in(text.substr(0, text.find('#')));
    for (std::string w; in >> w;) line.words.push_back(w);
    if (line.words.empty()) return {};
    const std::string& cmd = line.words[0];
    for (const ScriptSyntax& s : syntax) {
        if (cmd != s.name) continue;
        const size_t extra = s.choices ? 1 : 0;
        if (line.words.size() != 1 + static_cast<size_t>(s.numbers) + extra)
            return cmd + ": wrong number of arguments";
        for (size_t i = 1; i <= static_cast<size_t>(s.numbers); ++i) {
            long v = 0;
            if (!ParseInt(line.words[i], s.lo, s.hi, v) &&
                !(s.hex && ParseHex(line.words[i], s.lo, s.hi, v)))
                return cmd + ": bad number " + line.words[i];
            line.values.push_back(v);
        }
        if (s.choices && !HasChoice(s.choices, line.words.back()))
            return cmd + ": last word must be one of " + s.choices;
        return {};
    }
    return "unknown command " + cmd;
}

}  // namespace

std::string ParseScript(std::istream& in, const std::string& name,
                        const std::vector<ScriptSyntax>& syntax, std::vector<ScriptLine>& lines) {
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        ScriptLine line;
        line.number = number;
        if (const std::string error = ParseLine(text, syntax, line); !error.empty())
            return name + ":" + std::to_string(number) + ": " + error;
        if (!line.words.empty()) lines.push_back(std::move(line));
    }
    return {};
}

std::string ReadScript(const std::string& path, const std::vector<ScriptSyntax>& syntax,
                       std::vector<ScriptLine>& lines) {
    // A folder would read as an empty script and a FIFO might never end: only a regular file.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return path + ": not a regular file";
    std::ifstream in(path);
    if (!in) return path + ": cannot be read";
    return ParseScript(in, path, syntax, lines);
}

}  // namespace halvertone::probe
