#pragma once
// The real screen read back: pixels through a block copy from the screen's context into a
// device-independent bitmap, as GDI colours (0x00BBGGRR).
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace halvertone::win32 {

struct ScreenShot {
    RECT area{};
    std::vector<uint32_t> pixels;  // rows top-down, GDI colours

    int32_t Width() const { return area.right - area.left; }
    int32_t Height() const { return area.bottom - area.top; }
    // (x, y) in screen pixels, inside `area`.
    uint32_t At(int32_t x, int32_t y) const {
        return pixels[static_cast<size_t>(y - area.top) * static_cast<size_t>(Width()) +
                      static_cast<size_t>(x - area.left)];
    }
};

inline ScreenShot ReadScreen(RECT area) {
    ScreenShot shot;
    shot.area = area;
    const int w = area.right - area.left, h = area.bottom - area.top;
    shot.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0xFFFFFFFFu);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    if (dib != nullptr && memory != nullptr) {
        HGDIOBJ previous = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < shot.pixels.size(); ++i) {
            const uint32_t v = p[i];  // 0x00RRGGBB
            shot.pixels[i] = ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
        }
        SelectObject(memory, previous);
    }
    if (memory != nullptr) DeleteDC(memory);
    if (dib != nullptr) DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return shot;
}

// Largest difference of one channel between two GDI colours.
inline int ChannelDistance(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = std::abs(static_cast<int>((a >> shift) & 0xFFu) -
                               static_cast<int>((b >> shift) & 0xFFu));
        if (d > most) most = d;
    }
    return most;
}

}  // namespace halvertone::win32
