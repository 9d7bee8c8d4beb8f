#include "platform/win32/private_profile_store.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace halvertone {

std::string PrivateProfileStore::GetString(const std::string& section, const std::string& key,
                                           const std::string& fallback, size_t bufferChars) {
    if (bufferChars == 0) return {};
    const DWORD size =
        static_cast<DWORD>(std::min<size_t>(bufferChars, std::numeric_limits<DWORD>::max()));
    std::vector<char> buffer(size, '\0');
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                             buffer.data(), size, path_.c_str());
    return std::string(buffer.data(), std::min<DWORD>(n, size - 1));
}

int32_t PrivateProfileStore::GetInt(const std::string& section, const std::string& key,
                                    int32_t fallback) {
    return static_cast<int32_t>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path_.c_str()));
}

bool PrivateProfileStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) !=
           0;
}

}  // namespace halvertone
