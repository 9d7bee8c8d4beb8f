#pragma once
// The settings file through Windows' own private-profile functions.
#include <string>

#include "platform/profile_store.h"

namespace halvertone {

class PrivateProfileStore final : public ProfileStore {
  public:
    // `path` is a full path: a bare file name would be looked for in the Windows directory.
    explicit PrivateProfileStore(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback, size_t bufferChars) override;
    int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    std::string path_;
};

}  // namespace halvertone
