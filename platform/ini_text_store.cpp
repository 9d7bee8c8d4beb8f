#include "platform/ini_text_store.h"

#include "platform/profile_value.h"

namespace halvertone {

const IniDocument& IniTextStore::Document() {
    // A missing file reads like an empty one.
    if (!document_) document_ = bytes_ ? IniDocument::Parse(*bytes_) : IniDocument();
    return *document_;
}

std::string IniTextStore::GetString(const std::string& section, const std::string& key,
                                    const std::string& fallback, size_t bufferChars) {
    const std::optional<std::string> value = Document().Find(section, key);
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
    if (doc.Set(section, key, value)) {
        bytes_ = doc.Serialize();
        document_.reset();
    }
    return true;
}

}  // namespace halvertone
