#pragma once
// Message boxes that are only written down, for tests and offline runs.
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace halvertone::sim {

class RecordingMessageBox final : public MessageBoxPort {
  public:
    void ShowOk(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

}  // namespace halvertone::sim
