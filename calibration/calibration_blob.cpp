#include "calibration/calibration_blob.h"

#include <algorithm>

namespace halvertone {
namespace {

struct BlobBuilder {
    bool empty = true;
    BlobRect rect;

    // Runs join only when they touch the row above the blob's bottom from below and overlap
    // its left edge, or start within its columns.
    void Offer(int32_t s, int32_t e, int32_t y) {
        if (empty) {
            rect = {s, y, e, y};
            empty = false;
            return;
        }
        if (rect.bottom != y - 1) return;
        if (s <= rect.left && rect.left <= e) {
            rect.left = s;
        } else if (!(rect.left < s && s <= rect.right)) {
            return;
        }
        rect.right = std::max(rect.right, e);
        rect.bottom = y;
    }

    bool Complete() const { return !empty && rect.bottom - rect.top > 1; }
};

}  // namespace

std::optional<BlobRect> FindCalibrationBlob(const CameraFrame& frame, uint8_t threshold) {
    BlobBuilder blob;
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        const uint8_t* row = frame.Row(y);
        bool open = false;
        int32_t s = 0;
        int32_t e = 0;
        for (int32_t x = 0; x < kFrameWidth; ++x) {
            if (row[static_cast<size_t>(x) * kBytesPerPixel + 1] > threshold) {
                if (!open) s = x;
                open = true;
                e = x;
                continue;
            }
            if (open && e - s >= 1) {
                blob.Offer(s, e, y);
                break;  // the rest of the row is skipped
            }
            // A single bright pixel keeps its run open: a later bright pixel of the row
            // extends it over the dark gap.
            if (x == kFrameWidth - 1 && !open && blob.Complete()) return blob.rect;
        }
    }
    return std::nullopt;
}

}  // namespace halvertone
