#include "platform/ini_file_store.h"

#include <filesystem>

#include "platform/file_bytes.h"

namespace halvertone {

IniTextStore& IniFileStore::Current() {
    Stamp now;
    bool known = true;
    std::error_code ec;
    const std::filesystem::path native(NativePath(path_));
    now.regular = std::filesystem::is_regular_file(native, ec);
    if (now.regular) {
        now.size = std::filesystem::file_size(native, ec);
        known = !ec;
        now.written = std::filesystem::last_write_time(native, ec).time_since_epoch().count();
        known = known && !ec;
    }
    // A file whose stamp cannot be read is read every time.
    if (!text_ || !stamp_ || !(*stamp_ == now)) {
        text_ = std::make_unique<IniTextStore>(ReadFileBytes(path_));
        stamp_ = known ? std::optional<Stamp>(now) : std::nullopt;
    }
    return *text_;
}

std::string IniFileStore::GetString(const std::string& section, const std::string& key,
                                    const std::string& fallback, size_t bufferChars) {
    return Current().GetString(section, key, fallback, bufferChars);
}

int32_t IniFileStore::GetInt(const std::string& section, const std::string& key, int32_t fallback) {
    return Current().GetInt(section, key, fallback);
}

bool IniFileStore::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    std::optional<std::string> before = ReadFileBytes(path_);
    if (!before && IsRegularFile(path_)) return false;
    IniTextStore text(before);
    if (!text.WriteString(section, key, value)) return false;
    if (text.Bytes() == before) return true;  // unchanged: the file is left alone
    stamp_.reset();                           // the next read takes the file as written
    return WriteFileBytes(path_, *text.Bytes());
}

std::unique_ptr<ProfileStore> IniProfileFiles::Open(const std::string& path) {
    return std::make_unique<IniFileStore>(path);
}

bool IniProfileFiles::FileExists(const std::string& path) {
    return IsRegularFile(path);
}

}  // namespace halvertone
