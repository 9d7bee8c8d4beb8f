#pragma once
// The portable profile store: one INI file, read afresh on every call (as the platform does
// when the file may have changed) and rewritten whole when a write changes it.
#include <string>

#include "platform/profile_files.h"
#include "platform/profile_store.h"

namespace halvertone {

class IniFileStore final : public ProfileStore {
  public:
    explicit IniFileStore(std::string path) : path_(std::move(path)) {}
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback, size_t bufferChars) override;
    int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) override;
    // Creates the file when it is missing; false when it cannot be written, or when it is
    // there but cannot be read (it is never replaced by just this key).
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    std::string path_;
};

// Profile files on the local file system, through IniFileStore.
class IniProfileFiles final : public ProfileFiles {
  public:
    std::unique_ptr<ProfileStore> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override;
};

}  // namespace halvertone
