#include "platform/ini_document.h"

namespace halvertone {
namespace {

bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

// Names and values are C strings on the platform: an embedded NUL ends them. The blanks
// before the NUL go too, so a name reads the same once the file is written back.
std::string UpToNul(std::string_view s) {
    return std::string(TrimRight(s.substr(0, s.find('\0'))));
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// The first section or key of that name, const or not as the list is.
template <typename List>
auto FindNamed(List& list, std::string_view trimmedName) -> decltype(&*list.begin()) {
    for (auto& item : list)
        if (SameName(item.name, trimmedName)) return &item;
    return nullptr;
}

}  // namespace

IniDocument::IniDocument() : sections_(1) {}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    DecodedProfile decoded = DecodeProfileBytes(bytes);
    doc.encoding_ = decoded.encoding;
    const std::string_view text = decoded.text;
    IniSection* current = &doc.sections_[0];
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;

        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                doc.sections_.push_back(IniSection{UpToNul(Trim(line.substr(1, close - 1))), {}});
                current = &doc.sections_.back();
                continue;
            }
        }
        const size_t eq = line.find('=');
        const std::string_view name = TrimRight(line.substr(0, eq));
        // The platform keeps a line without a name only when the key before it had one.
        if (name.empty() && !current->keys.empty() && current->keys.back().name.empty()) continue;
        IniKey key{UpToNul(name), std::nullopt};
        if (eq != std::string_view::npos) key.value = UpToNul(TrimLeft(line.substr(eq + 1)));
        current->keys.push_back(std::move(key));
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const IniSection& s : sections_) {
        if (!s.name.empty()) out += "[" + s.name + "]\r\n";
        for (const IniKey& k : s.keys) {
            out += k.name;
            if (k.value) out += "=" + *k.value;
            out += "\r\n";
        }
    }
    return EncodeProfileText(out, encoding_);
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const IniSection* s = FindNamed(sections_, Trim(FromCallerText(section, encoding_)));
    if (!s) return std::nullopt;
    const IniKey* k = FindNamed(s->keys, Trim(FromCallerText(key, encoding_)));
    if (!k || !k->value) return std::nullopt;
    return ToCallerText(*k->value, encoding_);
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string heldSection = FromCallerText(section, encoding_);
    const std::string heldKey = FromCallerText(key, encoding_);
    const std::string heldValue(TrimLeft(FromCallerText(value, encoding_)));
    IniSection* s = FindNamed(sections_, Trim(heldSection));
    if (!s) {
        // A new name keeps its trailing blanks, as the platform writes it.
        sections_.push_back(IniSection{std::string(TrimLeft(heldSection)), {}});
        s = &sections_.back();
    }
    if (IniKey* k = FindNamed(s->keys, Trim(heldKey))) {
        if (k->value && *k->value == heldValue) return false;
        k->value = heldValue;
        return true;
    }
    s->keys.push_back(IniKey{std::string(TrimLeft(heldKey)), heldValue});
    return true;
}

}  // namespace halvertone
