#pragma once
// The file side of the platform that settings and texts need: a profile store for a path
// and the test whether a file is there. Paths are the program's own (directory plus a
// relative name with backslashes).
#include <memory>
#include <string>

#include "platform/profile_store.h"

namespace halvertone {

class ProfileFiles {
  public:
    virtual ~ProfileFiles() = default;
    virtual std::unique_ptr<ProfileStore> Open(const std::string& path) = 0;
    // True for an existing file; a directory does not count.
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace halvertone
