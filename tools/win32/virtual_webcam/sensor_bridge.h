#pragma once
// The camera's side of the extension-unit bridge: 16-bit addresses holding one byte each,
// a control register whose 0x80 bit arms a write into the image sensor (sent when the length
// is written) and whose 0x04 bit reports its completion, and the sensor's mirror/flip register that
// turns the picture. Every request is noted, one line each ("w ADDR VALUE" for a write, "r ADDR"
// for a read request), in a log a test can compare with the sequence the program should send.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "tools/win32/virtual_webcam/video_format.h"

namespace halvertone::webcam {

class SensorBridge {
  public:
    // `logPath` empty: nothing is noted.
    explicit SensorBridge(std::string logPath = {});

    // A "set" of the bridge property: (address, 0xFF00) asks for a read, anything else writes
    // the low byte.
    void Set(uint16_t address, uint16_t value);
    // A "get": the byte at the address of the last read request.
    uint16_t Get();

    // The sensor reads out as set up at power-on (0x30: upright for a desk mounting); clearing
    // the mirror (0x20) and flip (0x10) bits turns the picture by 180 degrees.
    SensorTurn Turn() const;

  private:
    void Note(const std::string& line);
    void StartSensorWrite(uint8_t control);

    std::mutex mutex_;
    std::string logPath_;
    std::array<uint8_t, 0x10000> bridge_{};
    uint16_t readAddress_ = 0;
    std::atomic<uint8_t> mirrorFlip_{0x30};
};

}  // namespace halvertone::webcam
