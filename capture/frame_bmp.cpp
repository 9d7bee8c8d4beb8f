#include "capture/frame_bmp.h"

#include <cstring>
#include <fstream>
#include <iterator>

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

FrameFileResult Fail(std::string why) { return FrameFileResult{false, std::move(why), {}}; }

}  // namespace

FrameFileResult ParseFrameBmp(const std::vector<uint8_t>& file) {
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return Fail("not a BMP file");
    const uint32_t dataOffset = Le32(file, 10);
    const uint32_t headerSize = Le32(file, 14);
    if (headerSize < 40) return Fail("unsupported BMP header (need BITMAPINFOHEADER or later)");
    const auto width = static_cast<int32_t>(Le32(file, 18));
    const auto height = static_cast<int32_t>(Le32(file, 22));
    const uint16_t bitCount = Le16(file, 28);
    const uint32_t compression = Le32(file, 30);
    if (bitCount != 24) return Fail("wrong depth: " + std::to_string(bitCount) + " bits per pixel, need 24");
    if (compression != 0) return Fail("compressed BMP, need uncompressed 24-bit");
    if (width != kFrameWidth || (height != kFrameHeight && height != -kFrameHeight))
        return Fail("wrong size: " + std::to_string(width) + " x " + std::to_string(height) +
                    ", need 640 x 480");
    if (dataOffset > file.size() || file.size() - dataOffset < kFrameBytes)
        return Fail("truncated BMP: pixel data shorter than 921600 bytes");
    FrameFileResult r;
    r.ok = true;
    r.frame.assign(file.begin() + dataOffset, file.begin() + dataOffset + static_cast<long>(kFrameBytes));
    if (height < 0) {  // top-down file: reverse the rows
        for (int y = 0; y < kFrameHeight / 2; ++y) {
            uint8_t* a = r.frame.data() + static_cast<size_t>(y) * kFrameStride;
            uint8_t* b = r.frame.data() + static_cast<size_t>(kFrameHeight - 1 - y) * kFrameStride;
            std::swap_ranges(a, a + kFrameStride, b);
        }
    }
    return r;
}

FrameFileResult ReadFrameBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail("cannot open " + path);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseFrameBmp(bytes);
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
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace halvertone
