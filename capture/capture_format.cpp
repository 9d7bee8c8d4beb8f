#include "capture/capture_format.h"

#include "capture/camera_frame.h"

namespace halvertone {

bool IsRequiredFrameSize(int32_t width, int32_t height) {
    return width == kFrameWidth && height == kFrameHeight;
}

std::optional<size_t> ChooseCaptureFormat(std::span<const OfferedFormat> offers) {
    std::optional<size_t> best;
    for (size_t i = 0; i < offers.size(); ++i) {
        const OfferedFormat& o = offers[i];
        if (o.subtype == VideoSubtype::kOther || !IsRequiredFrameSize(o.width, o.height)) continue;
        if (!best || o.subtype < offers[*best].subtype) best = i;
    }
    return best;
}

}  // namespace halvertone
