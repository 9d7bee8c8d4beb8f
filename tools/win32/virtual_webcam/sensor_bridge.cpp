#include "tools/win32/virtual_webcam/sensor_bridge.h"

#include <cstdio>
#include <fstream>

#include "capture/camera_image_turn.h"

namespace halvertone::webcam {
namespace {

constexpr uint16_t kReadRequest = 0xFF00;
constexpr uint8_t kStart = 0x80;
constexpr uint8_t kDone = 0x04;
constexpr uint8_t kMirror = 0x20;
constexpr uint8_t kFlip = 0x10;

}  // namespace

SensorBridge::SensorBridge(std::string logPath) : logPath_(std::move(logPath)) {}

void SensorBridge::Note(const std::string& line) {
    if (logPath_.empty()) return;
    std::ofstream(logPath_, std::ios::app | std::ios::binary) << line << '\n';
}

void SensorBridge::Set(uint16_t address, uint16_t value) {
    std::lock_guard lock(mutex_);
    char line[32];
    if (value == kReadRequest) {
        readAddress_ = address;
        std::snprintf(line, sizeof line, "r %04X", address);
        Note(line);
        return;
    }
    const auto byte = static_cast<uint8_t>(value & 0xFF);
    std::snprintf(line, sizeof line, "w %04X %02X", address, byte);
    Note(line);
    bridge_[address] = byte;
    // The length write sends what the control register set up.
    if (address == bridge::kLength && (bridge_[bridge::kControl] & kStart) != 0)
        StartSensorWrite(bridge_[bridge::kControl]);
}

void SensorBridge::StartSensorWrite(uint8_t control) {
    // The mode sits in bits 4-6 as mode + 1; mode 0 writes zero, mode 1 one byte, 2 two.
    const int mode = ((control >> 4) & 0x07) - 1;
    uint16_t value = 0;
    if (mode == 1) value = bridge_[bridge::kValueHigh];
    if (mode >= 2)
        value =
            static_cast<uint16_t>(bridge_[bridge::kValueHigh] << 8 | bridge_[bridge::kValueLow]);
    if (bridge_[bridge::kDevice] == kSensorDevice &&
        bridge_[bridge::kRegister] == kSensorTurnRegister)
        mirrorFlip_.store(static_cast<uint8_t>(value & 0xFF));
    bridge_[bridge::kControl] = static_cast<uint8_t>((control & ~kStart) | kDone);
}

uint16_t SensorBridge::Get() {
    std::lock_guard lock(mutex_);
    return bridge_[readAddress_];
}

SensorTurn SensorBridge::Turn() const {
    const uint8_t v = mirrorFlip_.load();
    return SensorTurn{(v & kMirror) == 0, (v & kFlip) == 0};
}

}  // namespace halvertone::webcam
