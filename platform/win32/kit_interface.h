#pragma once
// The calling interface of the three component libraries: each hands out one table of
// function pointers from one exported entry; every call goes through that table.
#include <windows.h>

#include <cstdint>

namespace halvertone::kits {

using KitFunction = void (*)();

// Four 16-bit words: major, minor, build, revision.
struct KitVersion {
    uint16_t words[4];
};

inline constexpr KitVersion kSharedKitVersion{{0, 9, 1, 0}};
inline constexpr KitVersion kPictureKitVersion{{2, 2, 0, 0}};

using GetTableFn = KitFunction* (*)();
using GetStrokeTableFn = KitFunction* (*)(int smoothing);
using VersionTestFn = int (*)(const KitVersion* wanted);  // 0 accepts
using ReleaseFn = void (*)();

namespace shared_kit {
inline constexpr const char* kFileName = "SharedKit.dll";
inline constexpr const char* kEntry = "SharedService";
enum : int { kVersionTest = 2, kRelease = 3, kCopyRegistryKey = 22, kTableSize = 23 };
// Copies a key with its values and subkeys; non-zero on success.
using CopyRegistryKeyFn = int (*)(HKEY sourceRoot, const char* sourcePath, HKEY destRoot,
                                  const char* destPath);
}  // namespace shared_kit

namespace picture_kit {
inline constexpr const char* kFileName = "PictureKit.dll";
inline constexpr const char* kEntry = "PK_GetFunctionTable";
enum : int {
    kVersionTest = 0,
    kRelease = 1,
    kCreateImage = 3,
    kFreeImage = 7,
    kSaveImage = 8,
    kTableSize = 9
};
enum ImageFormat : int { kBitmap = 0, kJpeg = 1, kTiff = 2, kPng = 3 };
// The only pixel layout: 24-bit rows of blue, green, red, bottom-up.
inline constexpr int kPixelsBgr24 = 6;
using CreateImageFn = void* (*)(const void* pixels, int pixelLayout, int reserved1, int width,
                                int stride, int height, int dpiX, int dpiY, int reserved2,
                                int reserved3, int resolutionWord, int reserved4);
// params: {0, JPEG quality}; the quality is only used for JPEG.
using SaveImageFn = int (*)(const char* path, int format, const int* params, void* image,
                            int reserved1, int reserved2);
using FreeImageFn = void (*)(void* image);
}  // namespace picture_kit

namespace stroke_kit {
inline constexpr const char* kFileName = "StrokeKit.dll";
inline constexpr const char* kEntry = "SK_GetFunctionTable";
enum : int { kRegister = 0, kRelease = 1, kSegment = 2, kPolyline = 3, kTableSize = 4 };
using RegisterFn = int (*)();  // non-zero accepts
// Draws from *previous to *next with the pen and mix mode selected into the context; may
// move *next.
using SegmentFn = void (*)(HDC dc, POINT* previous, POINT* next);
using PolylineFn = void (*)(HDC dc, const POINT* points, int count);
}  // namespace stroke_kit

// A table entry as the function it is.
template <typename Fn>
Fn TableEntry(KitFunction* table, int index) {
    return reinterpret_cast<Fn>(table[index]);
}

}  // namespace halvertone::kits
