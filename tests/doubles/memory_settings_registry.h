#pragma once
// An in-memory registry for the settings load: the machine and user copies of
// "Software\Tarnwick" with their values, and a note of every call.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "shell/settings_registry.h"

namespace halvertone::sim {

class MemorySettingsRegistry final : public SettingsRegistry {
  public:
    using Value = std::variant<uint32_t, std::string>;
    using Key = std::map<std::string, Value>;

    std::optional<Key> machineKey;
    std::optional<Key> userKey;
    bool copyAvailable = true;  // false: the common-function library's copy is missing
    std::vector<std::string> calls;

    bool OpenUserKey() override {
        calls.push_back("open");
        open_ = userKey.has_value();
        return open_;
    }
    int CopyMachineKeyToUser() override {
        calls.push_back("copy");
        if (!copyAvailable || !machineKey) return 0;
        userKey = machineKey;
        return 1;
    }
    std::optional<uint32_t> ReadDword(const std::string& name) override {
        calls.push_back("dword " + name);
        const Value* v = Find(name);
        if (!v || !std::holds_alternative<uint32_t>(*v)) return std::nullopt;
        return std::get<uint32_t>(*v);
    }
    std::optional<std::string> ReadString(const std::string& name, size_t maxBytes) override {
        calls.push_back("string " + name);
        const Value* v = Find(name);
        if (!v || !std::holds_alternative<std::string>(*v) || maxBytes == 0) return std::nullopt;
        return std::get<std::string>(*v).substr(0, maxBytes - 1);
    }
    void CloseUserKey() override {
        calls.push_back("close");
        open_ = false;
    }

  private:
    const Value* Find(const std::string& name) const {
        if (!open_ || !userKey) return nullptr;
        const auto it = userKey->find(name);
        return it == userKey->end() ? nullptr : &it->second;
    }
    bool open_ = false;
};

}  // namespace halvertone::sim
