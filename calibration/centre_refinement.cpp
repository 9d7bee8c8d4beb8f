#include "calibration/centre_refinement.h"

#include <algorithm>
#include <vector>

namespace halvertone {
namespace {

struct RowRun {
    bool valid = false;
    int32_t start = 0;
    int32_t end = 0;
};

// The row's first run of at least two pixels at or above `level`, scanning left..right. A run
// also ends at `right` itself; its end is then `right` when that pixel reaches the level.
RowRun FirstRun(const CameraFrame& frame, int32_t y, int32_t left, int32_t right, uint8_t level) {
    int32_t x = left;
    while (x <= right) {
        while (x <= right && frame.Green(x, y) < level) ++x;
        if (x > right) break;
        const int32_t start = x;
        int32_t stop = start;
        while (stop < right && frame.Green(stop, y) >= level) ++stop;
        if (stop - start > 1) {
            const int32_t end = frame.Green(stop, y) < level ? stop - 1 : stop;
            return {true, start, end};
        }
        x = stop + 1;
    }
    return {};
}

}  // namespace

uint8_t RefinementLevel(const GreenHistogram& histogram, uint32_t half, uint8_t scanThreshold) {
    uint32_t atOrAbove = 0;
    for (int v = 255; v >= 2; --v) {
        atOrAbove += histogram[static_cast<size_t>(v)];
        if (atOrAbove >= half) return static_cast<uint8_t>(v);
    }
    return static_cast<uint8_t>(std::clamp(scanThreshold + 1, 2, 255));
}

RefinedCentre RefineCentre(const CameraFrame& frame, const BlobRect& blob, uint8_t scanThreshold) {
    const int32_t n = blob.bottom - blob.top;
    const int32_t w = blob.right - blob.left + 1;

    GreenHistogram histogram{};
    for (int32_t y = blob.top; y <= blob.bottom; ++y)
        for (int32_t x = blob.left; x <= blob.right; ++x) ++histogram[frame.Green(x, y)];
    const auto half = static_cast<uint32_t>(((n + 1) * w) / 2);
    const uint8_t v = RefinementLevel(histogram, half, scanThreshold);

    std::vector<RowRun> runs(static_cast<size_t>(n) + 1);
    for (int32_t i = 0; i <= n; ++i)
        runs[static_cast<size_t>(i)] = FirstRun(frame, blob.top + i, blob.left, blob.right, v);
    auto row = [&](int32_t i) -> RowRun& { return runs[static_cast<size_t>(i)]; };

    // The valid rows around the middle: the upper half up to its last gap, the lower half up
    // to its first gap.
    int32_t first = 0;
    for (int32_t j = 0; j <= n / 2; ++j)
        if (!row(j).valid) first = j + 1;
    int32_t last = n;
    for (int32_t j = n / 2 + 1; j <= n; ++j) {
        if (!row(j).valid) {
            last = j - 1;
            break;
        }
    }

    // Each start becomes the smallest start from its row down to the row before the last.
    for (int32_t k = last - 2; k >= first; --k)
        row(k).start = std::min(row(k).start, row(k + 1).start);

    const int32_t m = last - first;
    const int32_t q = m / 4;
    const int32_t from = first + q;
    const int32_t to = last - q;
    int64_t starts = 0;
    int64_t ends = 0;
    for (int32_t k = from; k <= to; ++k) {
        starts += row(k).start;
        ends += row(k).end;
    }
    const int32_t cnt = to - from + 1;
    if (cnt <= 0) return {blob.Centre(), v};
    const auto a = static_cast<int32_t>(starts / cnt);
    const auto b = static_cast<int32_t>(ends / cnt);
    return {{a + (b - a) / 2, blob.top + first + m / 2}, v};
}

}  // namespace halvertone
