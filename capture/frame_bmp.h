#pragma once
// Camera frames stored as 640 x 480, 24-bit uncompressed BMP files. A bottom-up BMP's pixel
// rows are exactly a camera frame; a top-down one is turned into that order.
#include <cstdint>
#include <string>
#include <vector>

namespace halvertone {

struct FrameFileResult {
    bool ok = false;
    std::string error;           // why the file was refused
    std::vector<uint8_t> frame;  // kFrameBytes, bottom-up BGR
};

FrameFileResult ParseFrameBmp(const std::vector<uint8_t>& file);
FrameFileResult ReadFrameBmp(const std::string& path);

std::vector<uint8_t> EncodeFrameBmp(const std::vector<uint8_t>& frame);
bool WriteFrameBmp(const std::string& path, const std::vector<uint8_t>& frame);

}  // namespace halvertone
