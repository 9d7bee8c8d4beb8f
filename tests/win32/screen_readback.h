#pragma once
// Reading the real screen back in tests, and the GDI objects a process holds.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/screen_shot.h"

namespace halvertone::testing {

using win32::ChannelDistance;
using win32::ReadScreen;
using win32::ScreenShot;

inline uint32_t ScreenPixel(int32_t x, int32_t y) {
    return ReadScreen({x, y, x + 1, y + 1}).pixels[0];
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
