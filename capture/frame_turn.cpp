#include "capture/frame_turn.h"

#include <cstring>
#include <utility>

#include "capture/camera_frame.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <tmmintrin.h>
#define HALVERTONE_TURN_SSSE3 1
#endif

namespace halvertone {
namespace {

// Pixel by pixel from `first` (counted in output pixels) to `pixels`.
void CopyTurnedPixels(uint8_t* dst, const uint8_t* src, size_t first, size_t pixels) {
    for (size_t i = first; i < pixels; ++i) {
        const uint8_t* s = src + (pixels - 1 - i) * kBytesPerPixel;
        uint8_t* d = dst + i * kBytesPerPixel;
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
    }
}

#if defined(HALVERTONE_TURN_SSSE3)
constexpr size_t kStep = 5;
constexpr size_t kStepBytes = kStep * kBytesPerPixel;

__attribute__((target("ssse3"), always_inline)) inline void TurnStep(uint8_t* d, const uint8_t* s,
                                                                     __m128i order) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_shuffle_epi8(v, order));
}

// Five pixels (15 bytes) per step: one unaligned 16-byte load that ends where the five
// source pixels end, one byte shuffle, one 16-byte store whose last byte the next step
// overwrites. Returns the number of output pixels done; the caller finishes the rest.
__attribute__((target("ssse3"))) size_t CopyTurnedSsse3(uint8_t* dst, const uint8_t* src,
                                                        size_t pixels) {
    // Output pixel j (0..4) is source pixel 4 - j of the window; the window starts one byte
    // before the first source pixel, so that byte is its byte 0.
    const __m128i order = _mm_setr_epi8(13, 14, 15, 10, 11, 12, 7, 8, 9, 4, 5, 6, 1, 2, 3, 0);
    // The store writes 16 bytes, one past the five pixels, and the load starts one byte
    // before them: both stay inside the buffers while a sixth pixel remains on each side.
    if (pixels < kStep + 1) return 0;
    const size_t steps = (pixels - kStep - 1) / kStep + 1;
    const uint8_t* s = src + (pixels - kStep) * kBytesPerPixel - 1;
    uint8_t* d = dst;
    size_t k = 0;
    // Four independent steps per turn of the loop keep loads and stores in flight.
    for (; k + 4 <= steps; k += 4, s -= 4 * kStepBytes, d += 4 * kStepBytes) {
        TurnStep(d, s, order);
        TurnStep(d + kStepBytes, s - kStepBytes, order);
        TurnStep(d + 2 * kStepBytes, s - 2 * kStepBytes, order);
        TurnStep(d + 3 * kStepBytes, s - 3 * kStepBytes, order);
    }
    for (; k < steps; ++k, s -= kStepBytes, d += kStepBytes) TurnStep(d, s, order);
    return steps * kStep;
}

bool HasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#endif

}  // namespace

void TurnFrame180(uint8_t* bytes, size_t length) {
    if (bytes == nullptr) return;
    const size_t pixels = length / kBytesPerPixel;
    if (pixels < 2) return;
    uint8_t* lo = bytes;
    uint8_t* hi = bytes + (pixels - 1) * kBytesPerPixel;
    while (lo < hi) {
        std::swap(lo[0], hi[0]);
        std::swap(lo[1], hi[1]);
        std::swap(lo[2], hi[2]);
        lo += kBytesPerPixel;
        hi -= kBytesPerPixel;
    }
}

void CopyTurned180(uint8_t* dst, const uint8_t* src, size_t length) {
    if (dst == nullptr || src == nullptr || length == 0) return;
    const size_t pixels = length / kBytesPerPixel;
    const size_t whole = pixels * kBytesPerPixel;
    // A trailing partial pixel stays where it is, as in the in-place turn.
    if (whole < length) std::memcpy(dst + whole, src + whole, length - whole);
    size_t done = 0;
#if defined(HALVERTONE_TURN_SSSE3)
    if (HasSsse3()) done = CopyTurnedSsse3(dst, src, pixels);
#endif
    CopyTurnedPixels(dst, src, done, pixels);
}

}  // namespace halvertone
