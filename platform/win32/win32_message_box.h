#pragma once
// Message boxes on the desktop: an OK-only box, modal to the calling thread.
#include <string>

#include "platform/message_box.h"

namespace halvertone {

inline constexpr const char* kProgramCaption = "Halvertone";

class Win32MessageBox final : public MessageBoxPort {
  public:
    explicit Win32MessageBox(std::string caption = kProgramCaption)
        : caption_(std::move(caption)) {}
    void ShowOk(const std::string& text) override;

  private:
    std::string caption_;
};

}  // namespace halvertone
