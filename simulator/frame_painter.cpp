#include "simulator/frame_painter.h"

#include <algorithm>
#include <cmath>

namespace halvertone::sim {

FramePainter::FramePainter(uint8_t background) : bytes_(kFrameBytes, background) {}

void FramePainter::Fill(uint8_t level) { std::fill(bytes_.begin(), bytes_.end(), level); }

void FramePainter::SetPixel(int x, int y, uint8_t level) {
    if (x < 0 || x >= kFrameWidth || y < 0 || y >= kFrameHeight) return;
    const size_t o = PixelOffset(x, y);
    bytes_[o] = bytes_[o + 1] = bytes_[o + 2] = level;
}

void FramePainter::SetGreen(int x, int y, uint8_t level) {
    if (x < 0 || x >= kFrameWidth || y < 0 || y >= kFrameHeight) return;
    bytes_[PixelOffset(x, y) + 1] = level;
}

void FramePainter::FillRect(int left, int top, int right, int bottom, uint8_t level) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) SetPixel(x, y, level);
}

void FramePainter::AddSpot(double cx, double cy, double sigma, uint8_t peak) {
    // A camera model can place a spot anywhere (or nowhere: NaN); only spots that can touch
    // the frame are drawn, so the conversions below stay in range.
    constexpr double kMaxSigma = 1000;
    if (!(sigma > 0 && sigma <= kMaxSigma)) return;
    const double reach = sigma * 4 + 1;
    if (!(cx > -reach && cx < kFrameWidth + reach && cy > -reach && cy < kFrameHeight + reach))
        return;
    const int r = static_cast<int>(std::ceil(sigma * 4));
    const int x0 = static_cast<int>(std::floor(cx)) - r, x1 = static_cast<int>(std::ceil(cx)) + r;
    const int y0 = static_cast<int>(std::floor(cy)) - r, y1 = static_cast<int>(std::ceil(cy)) + r;
    for (int y = std::max(y0, 0); y <= std::min(y1, kFrameHeight - 1); ++y) {
        for (int x = std::max(x0, 0); x <= std::min(x1, kFrameWidth - 1); ++x) {
            const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            const double v = peak * std::exp(-d2 / (2 * sigma * sigma));
            const size_t o = PixelOffset(x, y);
            for (int c = 0; c < 3; ++c) {
                const int sum = bytes_[o + static_cast<size_t>(c)] + static_cast<int>(v + 0.5);
                bytes_[o + static_cast<size_t>(c)] = static_cast<uint8_t>(std::min(sum, 255));
            }
        }
    }
}

}  // namespace halvertone::sim
