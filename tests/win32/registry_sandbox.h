#pragma once
// A private registry for one test: HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process
// are redirected to two empty scratch keys, removed afterwards.
#include <windows.h>

#include <string>

namespace halvertone::testing {

class RegistrySandbox {
  public:
    RegistrySandbox() {
        const std::string base = "Software\\HalvertoneTests\\" +
                                 std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(GetTickCount64());
        root_ = base;
        RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\user").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &user_, nullptr);
        RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\machine").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &machine_, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, user_);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_);
    }
    ~RegistrySandbox() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(user_);
        RegCloseKey(machine_);
        RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
    }
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    bool Valid() const { return user_ && machine_; }

    static void SetDword(HKEY root, const char* path, const char* name, DWORD value) {
        RegSetKeyValueA(root, path, name, REG_DWORD, &value, sizeof value);
    }
    static void SetString(HKEY root, const char* path, const char* name, const std::string& value) {
        RegSetKeyValueA(root, path, name, REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size() + 1));
    }
    static bool KeyExists(HKEY root, const char* path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

  private:
    std::string root_;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};

}  // namespace halvertone::testing
