// PictureKit.dll: screen captures to image files through GDI+. Entries: 0 version test,
// 1 release, 3 create an image from raw pixels, 7 free it, 8 save it as bitmap, JPEG,
// TIFF or PNG.
#include <windows.h>
// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out, and the min/max
// that NOMINMAX removes.
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "kits/kit_table.h"

namespace halvertone::kits {
namespace {

ULONG_PTR g_gdiplusToken = 0;

bool StartGdiplus() {
    if (g_gdiplusToken != 0) return true;
    Gdiplus::GdiplusStartupInput input;
    return Gdiplus::GdiplusStartup(&g_gdiplusToken, &input, nullptr) == Gdiplus::Ok;
}

int VersionTest(const KitVersion* wanted) {
    const int verdict = AcceptVersion(wanted, kPictureKitVersion);
    if (verdict == 0 && !StartGdiplus()) return 1;  // no image work possible
    return verdict;
}

void Release() {
    if (g_gdiplusToken != 0) Gdiplus::GdiplusShutdown(g_gdiplusToken);
    g_gdiplusToken = 0;
}

// Copies the caller's bottom-up rows into an image of our own, so the caller's buffer may
// go away before the save.
void* CreateImage(const void* pixels, int layout, int, int width, int stride, int height, int dpiX,
                  int dpiY, int, int, int, int) {
    if (!pixels || layout != picture_kit::kPixelsBgr24 || width <= 0 || height <= 0) return nullptr;
    const long long rowBytes = 3LL * width;
    if (stride < rowBytes || static_cast<long long>(stride) * height > (1LL << 31)) return nullptr;
    if (!StartGdiplus()) return nullptr;
    // GDI+ objects allocate through GdipAlloc: null rather than an exception when out of memory.
    auto* image = new Gdiplus::Bitmap(width, height, PixelFormat24bppRGB);
    if (!image || image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        return nullptr;
    }
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (image->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB, &data) !=
        Gdiplus::Ok) {
        delete image;
        return nullptr;
    }
    const auto* src = static_cast<const BYTE*>(pixels);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = src + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(stride);
        std::memcpy(static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride, row,
                    static_cast<size_t>(rowBytes));
    }
    image->UnlockBits(&data);
    if (dpiX > 0 && dpiY > 0)
        image->SetResolution(static_cast<Gdiplus::REAL>(dpiX), static_cast<Gdiplus::REAL>(dpiY));
    return image;
}

void FreeImage(void* image) {
    delete static_cast<Gdiplus::Bitmap*>(image);
}

bool EncoderFor(const wchar_t* mimeType, CLSID& clsid) {
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    auto* codecs = static_cast<Gdiplus::ImageCodecInfo*>(std::malloc(size));
    if (!codecs) return false;
    bool found = false;
    if (Gdiplus::GetImageEncoders(count, size, codecs) == Gdiplus::Ok) {
        for (UINT i = 0; i < count && !found; ++i) {
            if (std::wcscmp(codecs[i].MimeType, mimeType) == 0) {
                clsid = codecs[i].Clsid;
                found = true;
            }
        }
    }
    std::free(codecs);
    return found;
}

int SaveImage(const char* path, int format, const int* params, void* image, int, int) {
    if (!path || !image) return 0;
    static const wchar_t* const kMimeTypes[] = {L"image/bmp", L"image/jpeg", L"image/tiff",
                                                L"image/png"};
    if (format < picture_kit::kBitmap || format > picture_kit::kPng) return 0;
    CLSID encoder;
    if (!EncoderFor(kMimeTypes[format], encoder)) return 0;

    const int wideChars = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    if (wideChars <= 0) return 0;
    std::wstring widePath(static_cast<size_t>(wideChars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path, -1, widePath.data(), wideChars);

    Gdiplus::EncoderParameters quality{};
    ULONG qualityValue = 90;
    const Gdiplus::EncoderParameters* options = nullptr;
    if (format == picture_kit::kJpeg) {
        if (params) qualityValue = static_cast<ULONG>(std::clamp(params[1], 0, 100));
        quality.Count = 1;
        quality.Parameter[0].Guid = Gdiplus::EncoderQuality;
        quality.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
        quality.Parameter[0].NumberOfValues = 1;
        quality.Parameter[0].Value = &qualityValue;
        options = &quality;
    }
    auto* bitmap = static_cast<Gdiplus::Bitmap*>(image);
    return bitmap->Save(widePath.c_str(), &encoder, options) == Gdiplus::Ok ? 1 : 0;
}

std::array<KitFunction, picture_kit::kTableSize> BuildTable() {
    auto table = StubTable<picture_kit::kTableSize>();
    table[picture_kit::kVersionTest] = AsEntry(&VersionTest);
    table[picture_kit::kRelease] = AsEntry(&Release);
    table[picture_kit::kCreateImage] = AsEntry(&CreateImage);
    table[picture_kit::kFreeImage] = AsEntry(&FreeImage);
    table[picture_kit::kSaveImage] = AsEntry(&SaveImage);
    return table;
}

}  // namespace
}  // namespace halvertone::kits

extern "C" __declspec(dllexport) halvertone::kits::KitFunction* PK_GetFunctionTable() {
    static auto table = halvertone::kits::BuildTable();
    return table.data();
}
