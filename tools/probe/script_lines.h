#pragma once
// The replay scripts of the probe: one command a line, '#' starts a comment, words separated
// by blanks. Each command has a fixed count of numeric arguments within a range, optionally
// followed by one word out of a set.
#include <istream>
#include <string>
#include <vector>

namespace halvertone::probe {

struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;
    std::vector<long> values;  // the numeric arguments, parsed
};

struct ScriptSyntax {
    const char* name;
    int numbers;  // numeric arguments
    long lo, hi;
    const char* choices = nullptr;  // "a|b": a last word that must be one of these
    bool hex = false;               // numbers may also be written 0x...
};

// Checks the script text from `in`; on a fault returns "NAME:LINE: what" and leaves `lines`
// unspecified.
std::string ParseScript(std::istream& in, const std::string& name,
                        const std::vector<ScriptSyntax>& syntax, std::vector<ScriptLine>& lines);

// Reads and checks the whole script file; on a fault returns "FILE:LINE: what" (or "FILE:
// cannot be read" or "FILE: not a regular file") and leaves `lines` unspecified.
std::string ReadScript(const std::string& path, const std::vector<ScriptSyntax>& syntax,
                       std::vector<ScriptLine>& lines);

}  // namespace halvertone::probe
