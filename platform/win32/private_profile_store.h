#pragma once
// The profile store on Windows' own private-profile functions (8-bit, system code page).
#include <string>

#include "platform/profile_files.h"
#include "platform/profile_store.h"

namespace halvertone {

class PrivateProfileStore final : public ProfileStore {
  public:
    explicit PrivateProfileStore(std::string path) : path_(std::move(path)) {}
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback, size_t bufferChars) override;
    int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) override;
    // Refuses texts with line breaks, as the portable store does.
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    std::string path_;
};

class PrivateProfileFiles final : public ProfileFiles {
  public:
    std::unique_ptr<ProfileStore> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override;
};

}  // namespace halvertone
