#pragma once
// The portable profile store: one INI file, read afresh whenever it may have changed (its
// size or time of last write differs from the last read, as the platform rereads a changed
// file) and rewritten whole when a write changes it. An unchanged file is parsed only once,
// however many keys are read.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ini_text_store.h"
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
    // The file's contents as last read, while its size and time of last write stay the same.
    IniTextStore& Current();

    struct Stamp {
        bool regular = false;
        uintmax_t size = 0;
        int64_t written = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    std::string path_;
    std::optional<Stamp> stamp_;
    std::unique_ptr<IniTextStore> text_;
};

// Profile files on the local file system, through IniFileStore.
class IniProfileFiles final : public ProfileFiles {
  public:
    std::unique_ptr<ProfileStore> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override;
};

}  // namespace halvertone
