#include "platform/ini_text_store.h"

#include "platform/ini_document.h"
#include "platform/profile_value.h"

namespace halvertone {
std::string IniTextStore::GetString(const std::string& section, const std::string& key,
                                    const std::string& fallback, size_t bufferChars) {
    // A missing file reads like an empty one.
    const IniDocument doc = bytes_ ? IniDocument::Parse(*bytes_) : IniDocument();
    const std::optional<std::string> value = doc.Find(section, key);
    return CopyProfileValue(value ? *value : TrimFallback(fallback), bufferChars);
}

int32_t IniTextStore::GetInt(const std::string& section, const std::string& key, int32_t fallback) {
    const std::string text = GetString(section, key, "", kProfileIntBufferChars);
    return text.empty() ? fallback : ParseProfileInt(text);
}

bool IniTextStore::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    IniDocument doc = bytes_ ? IniDocument::Parse(*bytes_) : IniDocument();
    if (doc.Set(section, key, value)) bytes_ = doc.Serialize();
    return true;
}

}  // namespace halvertone
