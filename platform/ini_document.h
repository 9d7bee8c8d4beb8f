#pragma once
// An INI file as Windows' private-profile functions see it. Lines end at CR or LF; blanks,
// tabs, vertical tabs, form feeds and ^Z around a line, a section name, a key name and a
// value are dropped; "[name]" (up to the last ']') opens a section; other lines are keys,
// with or without "=value". Comment lines (";...") are simply keys nobody asks for. Keys
// above the first section line belong to a section without name. Look-ups compare names
// without surrounding blanks and ignoring ASCII case; the first matching section is the
// only one searched and its first matching key wins.
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_encoding.h"

namespace halvertone {

struct IniKey {
    std::string name;
    std::optional<std::string> value;  // none for a line without '='
};

struct IniSection {
    std::string name;
    std::deque<IniKey> keys;  // no moves of earlier keys as a large section grows
};

class IniDocument {
  public:
    IniDocument();
    static IniDocument Parse(std::string_view fileBytes);

    // The file as the platform writes it back: one line per section and key, CRLF endings,
    // blank lines gone, in the encoding the file was read with.
    std::string Serialize() const;

    // The stored value as the caller's code-page text; nullopt when the key is absent or
    // has no '='. Names are the caller's code-page text as well.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Sets a key as WritePrivateProfileString does (leading blanks of the value dropped; a
    // new key goes to the end of its section, a new section to the end of the file).
    // Returns false when the stored value already equals the new one.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

  private:
    IniEncoding encoding_ = IniEncoding::kAnsi;
    std::vector<IniSection> sections_;  // held form; [0]: the keys above the first section line
};

}  // namespace halvertone
