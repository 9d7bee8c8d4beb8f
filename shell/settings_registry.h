#pragma once
// The registry-source port of the settings load: the key "Software\Tarnwick" under the
// current user, read-only apart from being created by the copy from the machine hive.
#include <cstdint>
#include <optional>
#include <string>

namespace halvertone {

inline constexpr const char* kSettingsRegistryKey = "Software\\Tarnwick";

class SettingsRegistry {
  public:
    virtual ~SettingsRegistry() = default;
    // Opens the user key for reading and writing; false when it cannot be opened.
    virtual bool OpenUserKey() = 0;
    // The common-function library's copy of the key from the machine hive to the user hive;
    // non-zero on success, 0 also when the library is not there.
    virtual int CopyMachineKeyToUser() = 0;
    // From the open key: a 4-byte value, or a string of at most maxBytes - 1 characters.
    // nullopt when the value is absent or of another kind.
    virtual std::optional<uint32_t> ReadDword(const std::string& name) = 0;
    virtual std::optional<std::string> ReadString(const std::string& name, size_t maxBytes) = 0;
    virtual void CloseUserKey() = 0;
};

}  // namespace halvertone
