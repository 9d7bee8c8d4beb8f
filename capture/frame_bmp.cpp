#include "capture/frame_bmp.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "capture/camera_frame.h"

namespace halvertone {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
           uint32_t{b[at + 3]} << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

FrameFileResult Fail(std::string why) {
    return FrameFileResult{false, std::move(why), {}};
}

// The file header and a BITMAPINFOHEADER.
constexpr size_t kFrameHeaderBytes = 54;

struct FrameHeader {
    std::string error;  // empty when the file holds a frame
    size_t pixelOffset = 0;
    bool topDown = false;
};

// Checks the headers at the start of a file of `fileSize` bytes: a frame's format, and the
// header's own fields against each other and the file, so the pixels lie inside the file.
FrameHeader ParseFrameHeader(const std::vector<uint8_t>& head, uintmax_t fileSize) {
    FrameHeader h;
    if (head.size() < kFrameHeaderBytes || head[0] != 'B' || head[1] != 'M') {
        h.error = "not a BMP file";
        return h;
    }
    const uint32_t dataOffset = Le32(head, 10);
    const uint32_t headerSize = Le32(head, 14);
    const auto width = static_cast<int32_t>(Le32(head, 18));
    const auto height = static_cast<int32_t>(Le32(head, 22));
    const uint16_t planes = Le16(head, 26);
    const uint16_t bitCount = Le16(head, 28);
    const uint32_t compression = Le32(head, 30);
    if (headerSize < 40)
        h.error = "unsupported BMP header (need BITMAPINFOHEADER or later)";
    else if (uint64_t{14} + headerSize > fileSize || uint64_t{14} + headerSize > dataOffset)
        h.error = "bad BMP header: header size " + std::to_string(headerSize) +
                  " runs past the pixel data";
    else if (planes != 1)
        h.error = "bad BMP header: " + std::to_string(planes) + " planes, need 1";
    else if (bitCount != 24)
        h.error = "wrong depth: " + std::to_string(bitCount) + " bits per pixel, need 24";
    else if (compression != 0)
        h.error = "compressed BMP, need uncompressed 24-bit";
    else if (width != kFrameWidth || (height != kFrameHeight && height != -kFrameHeight))
        h.error = "wrong size: " + std::to_string(width) + " x " + std::to_string(height) +
                  ", need 640 x 480";
    else if (dataOffset > fileSize || fileSize - dataOffset < kFrameBytes)
        h.error = "truncated BMP: pixel data shorter than 921600 bytes";
    h.pixelOffset = dataOffset;
    h.topDown = height < 0;
    return h;
}

// A top-down file's rows in the frame's bottom-up order.
void TurnRowsOver(std::vector<uint8_t>& frame) {
    for (int y = 0; y < kFrameHeight / 2; ++y) {
        uint8_t* a = frame.data() + static_cast<size_t>(y) * kFrameStride;
        uint8_t* b = frame.data() + static_cast<size_t>(kFrameHeight - 1 - y) * kFrameStride;
        std::swap_ranges(a, a + kFrameStride, b);
    }
}

}  // namespace

FrameFileResult ParseFrameBmp(const std::vector<uint8_t>& file) {
    const FrameHeader header = ParseFrameHeader(file, file.size());
    if (!header.error.empty()) return Fail(header.error);
    FrameFileResult r;
    r.ok = true;
    r.frame.assign(file.begin() + header.pixelOffset,
                   file.begin() + header.pixelOffset + static_cast<long>(kFrameBytes));
    if (header.topDown) TurnRowsOver(r.frame);
    return r;
}

FrameFileResult ReadFrameBmp(const std::string& path) {
    // Only a regular file has a known end: a folder, a FIFO or a device is never read.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) return Fail("cannot open " + path);
    if (!std::filesystem::is_regular_file(status)) return Fail(path + " is not a regular file");
    const uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) return Fail("cannot open " + path);
    std::vector<uint8_t> head(kFrameHeaderBytes, 0);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    const FrameHeader header = ParseFrameHeader(head, size);
    if (!header.error.empty()) return Fail(header.error);
    FrameFileResult r;
    r.frame.assign(kFrameBytes, 0);
    in.seekg(static_cast<std::streamoff>(header.pixelOffset));
    in.read(reinterpret_cast<char*>(r.frame.data()), static_cast<std::streamsize>(kFrameBytes));
    if (static_cast<size_t>(in.gcount()) != kFrameBytes)
        return Fail("truncated BMP: pixel data shorter than 921600 bytes");
    if (header.topDown) TurnRowsOver(r.frame);
    r.ok = true;
    return r;
}

std::vector<uint8_t> EncodeFrameBmp(const std::vector<uint8_t>& frame) {
    std::vector<uint8_t> out(54 + kFrameBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, kFrameWidth);
    Put32(out, 22, kFrameHeight);
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, static_cast<uint32_t>(kFrameBytes));
    std::memcpy(out.data() + 54, frame.data(), std::min(frame.size(), kFrameBytes));
    return out;
}

bool WriteFrameBmp(const std::string& path, const std::vector<uint8_t>& frame) {
    const auto bytes = EncodeFrameBmp(frame);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace halvertone
