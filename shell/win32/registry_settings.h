#pragma once
// The settings' registry source on Windows: "Software\Tarnwick" under HKEY_CURRENT_USER,
// copied from HKEY_LOCAL_MACHINE by the common-function library when the user has none.
#include <windows.h>

#include <functional>

#include "shell/settings_registry.h"

namespace halvertone {

class RegistrySettings final : public SettingsRegistry {
  public:
    // `copyMachineKey` performs the copy (see CopyMachineKeyToUser); it may be empty.
    explicit RegistrySettings(std::function<int()> copyMachineKey)
        : copy_(std::move(copyMachineKey)) {}
    ~RegistrySettings() override { CloseUserKey(); }
    RegistrySettings(const RegistrySettings&) = delete;
    RegistrySettings& operator=(const RegistrySettings&) = delete;

    bool OpenUserKey() override;
    int CopyMachineKeyToUser() override { return copy_ ? copy_() : 0; }
    // Only a 4-byte REG_DWORD counts as a number.
    std::optional<uint32_t> ReadDword(const std::string& name) override;
    // REG_SZ or REG_EXPAND_SZ, up to its first NUL, cut to maxBytes - 1 characters.
    std::optional<std::string> ReadString(const std::string& name, size_t maxBytes) override;
    void CloseUserKey() override;

  private:
    std::function<int()> copy_;
    HKEY key_ = nullptr;
};

}  // namespace halvertone
