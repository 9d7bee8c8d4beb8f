#include "shell/win32/registry_settings.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace halvertone {

bool RegistrySettings::OpenUserKey() {
    CloseUserKey();
    return RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsRegistryKey, 0, KEY_READ | KEY_WRITE, &key_) ==
           ERROR_SUCCESS;
}

std::optional<uint32_t> RegistrySettings::ReadDword(const std::string& name) {
    if (!key_) return std::nullopt;
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

std::optional<std::string> RegistrySettings::ReadString(const std::string& name, size_t maxBytes) {
    if (!key_ || maxBytes == 0) return std::nullopt;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // A longer text is read whole and then cut, like the INI read of the same key.
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string text(data.data(), strnlen(data.data(), std::min<size_t>(size, data.size())));
    if (text.size() > maxBytes - 1) text.resize(maxBytes - 1);
    return text;
}

void RegistrySettings::CloseUserKey() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

}  // namespace halvertone
