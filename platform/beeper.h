#pragma once
// The system's simple beep (acknowledges an accepted calibration target).
namespace halvertone {

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

}  // namespace halvertone
