#pragma once
// The system's simple beep.
#include "platform/beeper.h"

namespace halvertone {

class MessageBeeper final : public Beeper {
  public:
    void Beep() override;
};

}  // namespace halvertone
