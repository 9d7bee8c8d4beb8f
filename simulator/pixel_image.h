#pragma once
// A picture of the screen for the simulated canvas: one GDI colour (0x00BBGGRR) per pixel.
#include <cstdint>
#include <vector>

namespace halvertone::sim {

struct PixelImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    PixelImage() = default;
    PixelImage(int32_t w, int32_t h, uint32_t colour = 0)
        : width(w > 0 ? w : 0),
          height(h > 0 ? h : 0),
          pixels(static_cast<size_t>(width) * static_cast<size_t>(height), colour) {}

    bool Contains(int32_t x, int32_t y) const {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    // Pixels outside the picture read as 0xFFFFFFFF, which no GDI colour is.
    uint32_t At(int32_t x, int32_t y) const {
        return Contains(x, y) ? pixels[Index(x, y)] : 0xFFFFFFFFu;
    }
    uint32_t& Ref(int32_t x, int32_t y) { return pixels[Index(x, y)]; }
    size_t Index(int32_t x, int32_t y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    }
    size_t CountOf(uint32_t colour) const {
        size_t n = 0;
        for (uint32_t p : pixels) n += p == colour ? 1 : 0;
        return n;
    }
};

}  // namespace halvertone::sim
