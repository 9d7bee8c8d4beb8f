#pragma once
// The profile-store port: reading and writing one INI file with the semantics of Windows'
// private-profile functions. Windows implements it with GetPrivateProfileString/Int and
// WritePrivateProfileString; the portable implementation reads and writes the file itself.
#include <cstdint>
#include <string>

namespace halvertone {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // Like GetPrivateProfileString into a buffer of `bufferChars` characters: a longer value
    // is cut to bufferChars - 1 characters; a missing key gives `fallback` (also cut).
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback, size_t bufferChars) = 0;
    // Like GetPrivateProfileInt.
    virtual int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) = 0;
    // Like WritePrivateProfileString; false when the file could not be written.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace halvertone
