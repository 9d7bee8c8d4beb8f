#pragma once
// An in-memory settings file for tests: GetInt reads leading decimal digits like Windows does
// for plain numbers; a key missing or without digits gives the fallback.
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "platform/profile_store.h"

namespace halvertone::test {

class MemoryProfileStore final : public ProfileStore {
  public:
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback, size_t bufferChars) override {
        std::lock_guard lock(mutex_);
        auto it = values_.find({section, key});
        std::string v = it == values_.end() ? fallback : it->second;
        if (bufferChars == 0) return {};
        if (v.size() > bufferChars - 1) v.resize(bufferChars - 1);
        return v;
    }
    int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) override {
        std::lock_guard lock(mutex_);
        auto it = values_.find({section, key});
        if (it == values_.end()) return fallback;
        char* end = nullptr;
        const long v = std::strtol(it->second.c_str(), &end, 10);
        return end == it->second.c_str() ? fallback : static_cast<int32_t>(v);
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        std::lock_guard lock(mutex_);
        values_[{section, key}] = value;
        ++writes_;
        return true;
    }

    bool Has(const std::string& section, const std::string& key) const {
        std::lock_guard lock(mutex_);
        return values_.count({section, key}) != 0;
    }
    std::string Value(const std::string& section, const std::string& key) const {
        std::lock_guard lock(mutex_);
        auto it = values_.find({section, key});
        return it == values_.end() ? std::string() : it->second;
    }
    int Writes() const {
        std::lock_guard lock(mutex_);
        return writes_;
    }

  private:
    mutable std::mutex mutex_;
    std::map<std::pair<std::string, std::string>, std::string> values_;
    int writes_ = 0;
};

}  // namespace halvertone::test
