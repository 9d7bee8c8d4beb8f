#include "platform/ini_file_store.h"

#include "platform/file_bytes.h"
#include "platform/ini_text_store.h"

namespace halvertone {

std::string IniFileStore::GetString(const std::string& section, const std::string& key,
                                    const std::string& fallback, size_t bufferChars) {
    return IniTextStore(ReadFileBytes(path_)).GetString(section, key, fallback, bufferChars);
}

int32_t IniFileStore::GetInt(const std::string& section, const std::string& key, int32_t fallback) {
    return IniTextStore(ReadFileBytes(path_)).GetInt(section, key, fallback);
}

bool IniFileStore::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    std::optional<std::string> before = ReadFileBytes(path_);
    if (!before && IsRegularFile(path_)) return false;
    IniTextStore text(before);
    if (!text.WriteString(section, key, value)) return false;
    if (text.Bytes() == before) return true;  // unchanged: the file is left alone
    return WriteFileBytes(path_, *text.Bytes());
}

std::unique_ptr<ProfileStore> IniProfileFiles::Open(const std::string& path) {
    return std::make_unique<IniFileStore>(path);
}

bool IniProfileFiles::FileExists(const std::string& path) {
    return IsRegularFile(path);
}

}  // namespace halvertone
