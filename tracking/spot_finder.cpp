#include "tracking/spot_finder.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace halvertone {

int32_t RowLimit(const PixelRect& window, ScanRows rows) {
    return rows == ScanRows::kMouse ? window.bottom - 2 : window.bottom;
}

PixelRect ClipToFrame(const PixelRect& w) {
    PixelRect r{std::max(w.left, 0), std::max(w.top, 0), std::min(w.right, kFrameWidth),
                std::min(w.bottom, kFrameHeight)};
    return r;
}

std::optional<PixelPoint> CoarseScanReference(const CameraFrame& frame, const PixelRect& window,
                                              uint8_t threshold, int32_t rowLimit) {
    const PixelRect w = ClipToFrame(window);
    const int32_t limit = std::min(rowLimit, w.bottom);
    for (int32_t y = w.top; y < limit; y += 2) {
        for (int32_t x = w.left; x < w.right; x += 2) {
            if (frame.Green(x, y) >= threshold) return PixelPoint{x, y};
        }
    }
    return std::nullopt;
}

#if defined(__SSE2__)
namespace {

// Green bytes of every second pixel repeat every 48 bytes (8 candidates) at offsets 1, 7, 13,
// ..., 43: three 16-byte vectors with one mask each.
struct CandidateMasks {
    __m128i m[3];
};

CandidateMasks MakeMasks(int period, int first) {
    alignas(16) uint8_t bytes[48] = {};
    for (int i = first; i < 48; i += period) bytes[i] = 0xFF;
    CandidateMasks masks;
    for (int k = 0; k < 3; ++k)
        masks.m[k] = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes + 16 * k));
    return masks;
}

const CandidateMasks kEveryOtherPixel = MakeMasks(6, 1);
const CandidateMasks kEveryPixel = MakeMasks(3, 1);

// Running maximum of the candidate bytes of the 48 bytes at p (other bytes count as 0).
inline __m128i MaxIn48(__m128i acc, const uint8_t* p, const CandidateMasks& masks) {
    for (int k = 0; k < 3; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        acc = _mm_max_epu8(acc, _mm_and_si128(v, masks.m[k]));
    }
    return acc;
}

// Some byte of the running maximum reaches t. Bytes masked to 0 only reach a threshold of 0,
// where every pixel is bright anyway; callers confirm hits with the plain loop.
inline bool AnyAtLeast(__m128i acc, __m128i t) {
    return _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(acc, t), acc)) != 0;
}

}  // namespace

std::optional<PixelPoint> CoarseScan(const CameraFrame& frame, const PixelRect& window,
                                     uint8_t threshold, int32_t rowLimit) {
    const PixelRect w = ClipToFrame(window);
    const int32_t limit = std::min(rowLimit, w.bottom);
    const __m128i t = _mm_set1_epi8(static_cast<char>(threshold));
    for (int32_t y = w.top; y < limit; y += 2) {
        const uint8_t* row = frame.Row(y);
        int32_t x = w.left;
        // A 48-byte chunk covers pixels x .. x + 15; it is only read when all of them lie
        // inside the window, so no byte beyond the row is touched.
        __m128i acc = _mm_setzero_si128();
        int32_t vectorEnd = x;
        while (vectorEnd + 15 < w.right) {
            acc = MaxIn48(acc, row + vectorEnd * 3, kEveryOtherPixel);
            vectorEnd += 16;
        }
        if (!AnyAtLeast(acc, t)) {
            x = vectorEnd;  // nothing bright in the vector part of this row
        }
        for (; x < w.right; x += 2) {
            if (row[x * 3 + 1] >= threshold) return PixelPoint{x, y};
        }
    }
    return std::nullopt;
}

bool BrightPixelPresent(const CameraFrame& frame, uint8_t threshold) {
    const __m128i t = _mm_set1_epi8(static_cast<char>(threshold));
    if (threshold == 0) return true;
    // One check per row keeps the loop tight and still stops soon after a bright pixel.
    for (size_t row = 0; row < kFrameBytes; row += kFrameStride) {
        __m128i acc = _mm_setzero_si128();
        for (size_t off = row; off < row + kFrameStride; off += 48) acc = MaxIn48(acc, frame.bytes + off, kEveryPixel);
        if (AnyAtLeast(acc, t)) return true;
    }
    return false;
}

#else

std::optional<PixelPoint> CoarseScan(const CameraFrame& frame, const PixelRect& window,
                                     uint8_t threshold, int32_t rowLimit) {
    return CoarseScanReference(frame, window, threshold, rowLimit);
}

bool BrightPixelPresent(const CameraFrame& frame, uint8_t threshold) {
    return BrightPixelPresentReference(frame, threshold);
}

#endif

bool BrightPixelPresentReference(const CameraFrame& frame, uint8_t threshold) {
    for (int32_t y = 0; y < kFrameHeight; ++y)
        for (int32_t x = 0; x < kFrameWidth; ++x)
            if (frame.Green(x, y) >= threshold) return true;
    return false;
}

uint8_t RefinementStartLevel(uint8_t threshold) {
    return static_cast<uint8_t>(std::min(threshold + 20, 255));
}

uint8_t RefinementCap(uint8_t threshold) {
    return threshold >= 210 ? uint8_t{230} : static_cast<uint8_t>(threshold + 30);
}

SpotBox MeasureSpot(const CameraFrame& frame, const PixelRect& window, uint8_t t,
                    PixelPoint hit) {
    const PixelRect w = ClipToFrame(window);
    const int32_t x = hit.x;
    const int32_t y = hit.y;
    auto bright = [&](int32_t px, int32_t py) { return frame.Green(px, py) >= t; };

    int32_t yEnd = y;
    while (yEnd < w.bottom - 2 && bright(x, yEnd + 1)) ++yEnd;
    const int32_t ym = y + (yEnd - y) / 2;
    int32_t xR = x;
    while (xR + 1 < w.right && bright(xR + 1, ym)) ++xR;
    int32_t xL = x;
    while (xL > w.left && bright(xL - 1, ym)) --xL;
    const int32_t xm = xL + (xR - xL) / 2;
    int32_t yB = ym;
    while (yB < w.bottom - 2 && bright(xm, yB + 1)) ++yB;
    int32_t yT = ym;
    while (yT > w.top && bright(xm, yT - 1)) --yT;
    const int32_t ymid = yT + (yB - yT) / 2;

    const int32_t x0 = std::max(xm - 20, w.left);
    const int32_t x1 = std::min(xm + 20, w.right - 2);
    const int32_t y0 = std::max(y, w.top);
    const int32_t y1 = std::min(ymid + 20, w.bottom - 2);

    SpotBox box;
    const uint8_t cap = RefinementCap(t);
    uint8_t level = RefinementStartLevel(t);
    for (int32_t a = y0; a < y1; ++a) {
        bool rowCollected = false;
        for (int32_t k = x0; k < x1; ++k) {
            const uint8_t g = frame.Green(k, a);
            if (g < level) continue;
            if (g > level && level < cap) {
                box = SpotBox{};
                rowCollected = false;
                level = g;
            }
            box.maxX = std::max(box.maxX, k);
            box.minX = std::min(box.minX, k);
            rowCollected = true;
        }
        if (rowCollected) {
            box.maxY = std::max(box.maxY, a);
            box.minY = std::min(box.minY, a);
        }
    }
    return box;
}

std::optional<SpotHit> FindSpot(const CameraFrame& frame, const PixelRect& window,
                                uint8_t threshold, ScanRows rows) {
    const auto hit = CoarseScan(frame, window, threshold, RowLimit(window, rows));
    if (!hit) return std::nullopt;
    return SpotHit{*hit, MeasureSpot(frame, window, threshold, *hit)};
}

}  // namespace halvertone
