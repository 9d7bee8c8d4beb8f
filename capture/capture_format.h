#pragma once
// Which of the formats a camera offers to ask it for. The trackers need 640 x 480 frames in
// 24-bit RGB; the grabber gets RGB24 either straight from the camera or through a converter
// the graph puts in between, so a 640 x 480 offer is taken in the order of how surely and
// cheaply it becomes RGB24.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace halvertone {

// The pixel formats a capture pin commonly offers, in the order they are preferred; kOther
// (compressed streams and anything not named here) is never asked for.
enum class VideoSubtype : uint8_t { kRgb24, kYuy2, kUyvy, kRgb32, kI420, kNv12, kMjpg, kOther };

struct OfferedFormat {
    VideoSubtype subtype = VideoSubtype::kOther;
    int32_t width = 0;
    int32_t height = 0;  // positive: rows bottom-up, as the frame ring expects
};

// True for the frame size every other part of the program works with.
bool IsRequiredFrameSize(int32_t width, int32_t height);

// Index of the offer to set on the pin: a 640 x 480 one of the most preferred subtype, the
// first listed among equals; none when no usable offer has that size.
std::optional<size_t> ChooseCaptureFormat(std::span<const OfferedFormat> offers);

}  // namespace halvertone
