#pragma once
// The port to a camera's vendor extension unit: a bridge of 16-bit addresses that each take
// one byte. Through it the program writes registers of the camera's image sensor.
#include <cstdint>
#include <optional>

namespace halvertone {

class RegisterBridge {
  public:
    virtual ~RegisterBridge() = default;
    // False when the camera did not take the write (or has no such unit).
    virtual bool Write(uint16_t address, uint8_t value) = 0;
    // The byte at `address`; nothing when it cannot be read.
    virtual std::optional<uint8_t> Read(uint16_t address) = 0;
};

}  // namespace halvertone
