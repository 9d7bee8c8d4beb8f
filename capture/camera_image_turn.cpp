#include "capture/camera_image_turn.h"

#include <algorithm>

namespace halvertone {

bool WriteSensorRegister(RegisterBridge& bridge, uint8_t device, uint8_t reg, uint16_t value,
                         uint32_t mode) {
    const uint32_t m = std::min<uint32_t>(mode, 2);
    // Every step is tried even when an earlier one failed: a camera without the unit fails
    // them all quietly, and the completion read decides the result.
    bridge.Write(bridge::kEnable, 1);
    bridge.Write(bridge::kArm, 1);
    bridge.Write(bridge::kControl, static_cast<uint8_t>(((m + 1) * 16) | 0x80));
    bridge.Write(bridge::kDevice, device);
    bridge.Write(bridge::kRegister, reg);
    if (m < 2) {
        bridge.Write(bridge::kValueHigh, m != 0 ? static_cast<uint8_t>(value & 0xFF) : 0);
        bridge.Write(bridge::kValueLow, 0);
    } else {
        bridge.Write(bridge::kValueHigh, static_cast<uint8_t>(value >> 8));
        bridge.Write(bridge::kValueLow, static_cast<uint8_t>(value & 0xFF));
    }
    bridge.Write(bridge::kReserved5, 0);
    bridge.Write(bridge::kReserved6, 0);
    bridge.Write(bridge::kLength, 16);

    std::optional<uint8_t> last;
    for (int i = 0; i < kCompletionReads; ++i) {
        last = bridge.Read(bridge::kControl);
        if (last && (*last & 0x04) != 0) break;
    }
    return last && (*last & 0x0C) == 0x04;
}

bool SendCameraImageTurn(RegisterBridge& bridge, uint8_t value) {
    return WriteSensorRegister(bridge, kSensorDevice, kSensorTurnRegister, value, 1);
}

}  // namespace halvertone
