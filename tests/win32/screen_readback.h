#pragma once
// Reading the real screen back in tests: pixels through a block copy from the screen's
// context into a device-independent bitmap, as GDI colours (0x00BBGGRR).
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace halvertone::testing {

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

inline uint32_t ScreenPixel(int32_t x, int32_t y) {
    return ReadScreen({x, y, x + 1, y + 1}).pixels[0];
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

// GDI objects this process holds. Wine's GetGuiResources always answers 0, so there the
// count comes from the process's GDI handle table, laid out as the system lays it out.
inline int64_t GdiObjectsInUse() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
    struct HandleEntry {
        uint64_t object;
        uint16_t processId;
        uint16_t count;
        uint16_t upper;
        uint16_t type;
        uint64_t user;
    };
    static_assert(sizeof(HandleEntry) == 24);
    constexpr size_t kTableOffset = 0xF8;  // PEB.GdiSharedHandleTable on x86-64
    constexpr int kEntries = 0x10000;
    using GetPebFn = const char*(WINAPI*)();
    const auto getPeb = reinterpret_cast<GetPebFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb")));
    if (getPeb == nullptr) return -1;
    const char* peb = getPeb();
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + kTableOffset);
    if (table == nullptr) return -1;
    int64_t n = 0;
    for (int i = 0; i < kEntries; ++i) n += table[i].type != 0 ? 1 : 0;
    return n;
}

}  // namespace halvertone::testing
