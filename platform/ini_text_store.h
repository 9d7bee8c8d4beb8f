#pragma once
// A profile store over INI text held in memory, with the platform's semantics: the reads
// and writes of IniFileStore without the file, for the fuzzer and for tests.
#include <optional>
#include <string>

#include "platform/ini_document.h"
#include "platform/profile_store.h"

namespace halvertone {

class IniTextStore final : public ProfileStore {
  public:
    // nullopt: there is no file, which reads like an empty one.
    explicit IniTextStore(std::optional<std::string> bytes) : bytes_(std::move(bytes)) {}

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback, size_t bufferChars) override;
    int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) override;
    // Refuses texts with line breaks: they would turn into lines of their own. The text is
    // rewritten only when the value changes.
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    const std::optional<std::string>& Bytes() const { return bytes_; }

  private:
    const IniDocument& Document();

    std::optional<std::string> bytes_;
    // The text parsed on the first read; a write drops it, as the written text may parse
    // differently from the document that produced it.
    std::optional<IniDocument> document_;
};

}  // namespace halvertone
