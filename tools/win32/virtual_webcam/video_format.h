#pragma once
// The picture formats the virtual webcam offers: 24-bit RGB (bottom-up) or YUY2 (top-down) at
// any size, as DirectShow media types, and the conversion of the camera model's 640 x 480
// picture into them.
#include <windows.h>
// windows.h first
#include <dshow.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace halvertone::webcam {

enum class PixelKind { kRgb24, kYuy2 };

struct VideoFormat {
    PixelKind kind = PixelKind::kRgb24;
    int32_t width = 640;
    int32_t height = 480;
    friend bool operator==(const VideoFormat&, const VideoFormat&) = default;
};

// "RGB24 640x480, YUY2 640x480": one format per comma; the first is the default. Entries that
// do not parse (or are not 16..4096 wide and 16..4096 high, width even) are skipped; an empty
// result gives RGB24 640x480 alone.
std::vector<VideoFormat> ParseFormats(std::string_view text);

int32_t RowBytes(const VideoFormat& f);
uint32_t ImageBytes(const VideoFormat& f);
// 100 ns units per frame at `fps`.
REFERENCE_TIME FramePeriod(int fps);

// Fills `mt` for the format; its format block comes from CoTaskMemAlloc.
HRESULT FillMediaType(const VideoFormat& f, int fps, AM_MEDIA_TYPE* mt);
// The format a media type asks for, when it is one this camera can deliver exactly.
std::optional<VideoFormat> FormatOf(const AM_MEDIA_TYPE& mt);
// True when `want` (possibly partly blank, as a graph asks) admits `offered`.
bool Admits(const AM_MEDIA_TYPE& want, const AM_MEDIA_TYPE& offered);

HRESULT CopyMediaType(AM_MEDIA_TYPE* to, const AM_MEDIA_TYPE& from);
void FreeMediaType(AM_MEDIA_TYPE& mt);
// A copy in task memory, as enumerators and GetFormat hand out; null when out of memory.
AM_MEDIA_TYPE* NewMediaType(const AM_MEDIA_TYPE& from);
void DeleteMediaType(AM_MEDIA_TYPE* mt);

// How the picture leaves the sensor: mirrored left to right and/or flipped top to bottom.
struct SensorTurn {
    bool mirror = false;
    bool flip = false;
};

// Writes the 640 x 480 bottom-up BGR `picture` as one frame of `f` into `out` (ImageBytes),
// scaled to the format's size (nearest pixel) and turned as the sensor reads it out.
void ConvertFrame(const uint8_t* picture, const VideoFormat& f, SensorTurn turn, uint8_t* out);

}  // namespace halvertone::webcam
