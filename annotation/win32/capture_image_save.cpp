#include "annotation/win32/capture_image_save.h"

#include <limits>
#include <vector>

namespace halvertone {
namespace {

namespace pk = kits::picture_kit;

// The bitmap's rows as the image library takes them; empty when they could not be had.
std::vector<uint8_t> BitmapRows(HDC display, HBITMAP bitmap, BITMAPINFO& info) {
    info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    if (GetDIBits(display, bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS) == 0) return {};
    const int32_t width = info.bmiHeader.biWidth;
    const int32_t height =
        info.bmiHeader.biHeight < 0 ? -info.bmiHeader.biHeight : info.bmiHeader.biHeight;
    const int64_t stride = PaddedRowBytes(width);
    const int64_t bytes = stride * height;
    if (stride == 0 || height <= 0 || bytes > std::numeric_limits<int32_t>::max()) return {};
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(bytes);
    info.bmiHeader.biClrUsed = 0;
    info.bmiHeader.biClrImportant = 0;
    std::vector<uint8_t> rows(static_cast<size_t>(bytes), 0);
    if (GetDIBits(display, bitmap, 0, static_cast<UINT>(height), rows.data(), &info,
                  DIB_RGB_COLORS) != height)
        return {};
    return rows;
}

}  // namespace

bool SaveBitmapAsImage(HBITMAP bitmap, const std::string& path, CaptureFormat format,
                       int32_t jpegQuality, kits::KitFunction* pictureKit) {
    if (bitmap == nullptr || pictureKit == nullptr) return false;
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (display == nullptr) return false;
    BITMAPINFO info{};
    const std::vector<uint8_t> rows = BitmapRows(display, bitmap, info);
    const int dpiX = GetDeviceCaps(display, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(display, LOGPIXELSY);
    DeleteDC(display);
    if (rows.empty()) return false;

    const int32_t width = info.bmiHeader.biWidth, height = info.bmiHeader.biHeight;
    const auto create = kits::TableEntry<pk::CreateImageFn>(pictureKit, pk::kCreateImage);
    void* image =
        create(rows.data(), pk::kPixelsBgr24, 0, width, static_cast<int>(PaddedRowBytes(width)),
               height, dpiX, dpiY, 1, 1, dpiX | 7, 0);
    if (image == nullptr) return false;
    const int params[2] = {0, format == CaptureFormat::kJpeg ? jpegQuality : -1};
    const int saved = kits::TableEntry<pk::SaveImageFn>(pictureKit, pk::kSaveImage)(
        path.c_str(), static_cast<int>(format), params, image, 0, 0);
    kits::TableEntry<pk::FreeImageFn>(pictureKit, pk::kFreeImage)(image);
    return saved != 0;
}

}  // namespace halvertone
