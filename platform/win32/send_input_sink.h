#pragma once
// Synthetic mouse input through SendInput, one record per call.
#include "platform/input_sink.h"

namespace halvertone::win32 {

class SendInputSink final : public InputSink {
  public:
    void Send(const MouseRecord& record) override;
};

}  // namespace halvertone::win32
