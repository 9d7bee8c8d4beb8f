#include "platform/win32/private_profile_store.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/profile_value.h"

namespace halvertone {

std::string PrivateProfileStore::GetString(const std::string& section, const std::string& key,
                                           const std::string& fallback, size_t bufferChars) {
    if (bufferChars == 0) return {};
    std::vector<char> buffer(bufferChars, '\0');
    const DWORD n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 static_cast<DWORD>(bufferChars), path_.c_str());
    return std::string(buffer.data(), std::min<size_t>(n, bufferChars - 1));
}

int32_t PrivateProfileStore::GetInt(const std::string& section, const std::string& key,
                                    int32_t fallback) {
    return static_cast<int32_t>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path_.c_str()));
}

bool PrivateProfileStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) !=
           0;
}

std::unique_ptr<ProfileStore> PrivateProfileFiles::Open(const std::string& path) {
    return std::make_unique<PrivateProfileStore>(path);
}

bool PrivateProfileFiles::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace halvertone
