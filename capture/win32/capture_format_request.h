#pragma once
// Asking the camera's pins for 640 x 480 before the graph connects them, and reading the
// frame size out of a media type.
#include <windows.h>
// windows.h first
#include <dshow.h>

#include <cstdint>

#include "capture/capture_format.h"

namespace halvertone {

// Frees the format block and the object of a media type, not the type itself.
void FreeMediaType(AM_MEDIA_TYPE& mt);

struct FrameSize {
    int32_t width = 0;
    int32_t height = 0;
};
// The size in a VIDEOINFOHEADER or VIDEOINFOHEADER2 format block; 0 x 0 for anything else.
FrameSize FrameSizeOf(const AM_MEDIA_TYPE& mt);

VideoSubtype SubtypeOf(const GUID& subtype);

enum class FormatRequest {
    kSet,         // a 640 x 480 format was set on at least one pin
    kNotAskable,  // no pin lets us ask (no IAMStreamConfig): the connected type decides
    kNotOffered,  // the camera lists its formats and none is a usable 640 x 480 one
};

// Sets the preferred 640 x 480 format on the device's capture and preview pins.
FormatRequest RequestRequiredFormat(ICaptureGraphBuilder2* builder, IBaseFilter* device);

}  // namespace halvertone
