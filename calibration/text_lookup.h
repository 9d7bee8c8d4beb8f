#pragma once
// A user-visible text from the language file, by section and key.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace halvertone {

using TextLookup = std::function<std::string(const std::string& section, const std::string& key)>;

// `lookup` as a window reads it into a buffer of `bufferChars` characters: a longer text is cut
// to bufferChars - 1 characters, and no lookup at all gives empty texts.
inline TextLookup WithTextBuffer(TextLookup lookup, size_t bufferChars) {
    return [lookup = std::move(lookup), bufferChars](const std::string& section,
                                                     const std::string& key) {
        if (!lookup || bufferChars == 0) return std::string();
        std::string text = lookup(section, key);
        if (text.size() > bufferChars - 1) text.resize(bufferChars - 1);
        return text;
    };
}

}  // namespace halvertone
