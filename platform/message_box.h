#pragma once
// The message-box port: an OK-only box with a fixed text, shown modally.
#include <string>

namespace halvertone {

class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    // Returns once the user has closed the box.
    virtual void ShowOk(const std::string& text) = 0;
};

}  // namespace halvertone
