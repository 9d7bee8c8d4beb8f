#pragma once
// Writing one register of the camera's image sensor through the extension unit's bridge, and
// the half turn of the camera picture built on it (desktop versus ceiling mounting).
#include <cstdint>

#include "capture/register_bridge.h"

namespace halvertone {

// Bridge addresses of the sensor write.
namespace bridge {
inline constexpr uint16_t kControl = 0x10D0;  // mode and start; bit 0x04 reports completion
inline constexpr uint16_t kDevice = 0x10D1;
inline constexpr uint16_t kRegister = 0x10D2;
inline constexpr uint16_t kValueHigh = 0x10D3;
inline constexpr uint16_t kValueLow = 0x10D4;
inline constexpr uint16_t kReserved5 = 0x10D5;
inline constexpr uint16_t kReserved6 = 0x10D6;
inline constexpr uint16_t kLength = 0x10D7;
inline constexpr uint16_t kArm = 0x10D8;
inline constexpr uint16_t kEnable = 0x10D9;
}  // namespace bridge

inline constexpr uint8_t kSensorDevice = 0x21;
inline constexpr uint8_t kSensorTurnRegister = 0x1E;
inline constexpr int kCompletionReads = 10;

// Writes `value` to sensor register `reg` of `device`. Mode 0 and 1 write one byte (mode 0
// writes zero), mode 2 two bytes; larger modes count as 2. True when the bridge reported a
// completed write; the callers ignore the result, and a camera without the unit simply fails
// every step.
bool WriteSensorRegister(RegisterBridge& bridge, uint8_t device, uint8_t reg, uint16_t value,
                         uint32_t mode);

// The register value that turns the picture for the mounting: 0x30 for "Flip" 0, 0x00 for
// any other "Flip"; the two give pictures turned by 180 degrees against each other.
constexpr uint8_t CameraTurnValue(int32_t flip) {
    return flip == 0 ? 0x30 : 0x00;
}

// Sends a turn value to the camera (device 0x21, register 0x1E, mode 1).
bool SendCameraImageTurn(RegisterBridge& bridge, uint8_t value);

}  // namespace halvertone
