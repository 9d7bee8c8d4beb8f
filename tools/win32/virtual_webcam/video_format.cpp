#include "tools/win32/virtual_webcam/video_format.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "capture/camera_frame.h"

namespace halvertone::webcam {
namespace {

constexpr int32_t kMinSide = 16;
constexpr int32_t kMaxSide = 4096;
constexpr DWORD kYuy2FourCc = MAKEFOURCC('Y', 'U', 'Y', '2');

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool ParseSide(std::string_view s, int32_t& out) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && out >= kMinSide && out <= kMaxSide;
}

std::optional<VideoFormat> ParseOne(std::string_view entry) {
    entry = Trim(entry);
    const size_t space = entry.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    VideoFormat f;
    const std::string_view kind = entry.substr(0, space);
    if (kind == "RGB24")
        f.kind = PixelKind::kRgb24;
    else if (kind == "YUY2")
        f.kind = PixelKind::kYuy2;
    else
        return std::nullopt;
    const std::string_view size = Trim(entry.substr(space + 1));
    const size_t x = size.find('x');
    if (x == std::string_view::npos || !ParseSide(size.substr(0, x), f.width) ||
        !ParseSide(size.substr(x + 1), f.height) || f.width % 2 != 0)
        return std::nullopt;
    return f;
}

uint8_t Clamp255(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

}  // namespace

std::vector<VideoFormat> ParseFormats(std::string_view text) {
    std::vector<VideoFormat> out;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        if (auto f = ParseOne(text.substr(0, comma))) out.push_back(*f);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (out.empty()) out.push_back(VideoFormat{});
    return out;
}

int32_t RowBytes(const VideoFormat& f) {
    return f.kind == PixelKind::kRgb24 ? (f.width * 3 + 3) & ~3 : f.width * 2;
}

uint32_t ImageBytes(const VideoFormat& f) {
    return static_cast<uint32_t>(RowBytes(f)) * static_cast<uint32_t>(f.height);
}

REFERENCE_TIME FramePeriod(int fps) {
    return 10'000'000 / std::max(fps, 1);
}

HRESULT FillMediaType(const VideoFormat& f, int fps, AM_MEDIA_TYPE* mt) {
    *mt = AM_MEDIA_TYPE{};
    auto* vih = static_cast<VIDEOINFOHEADER*>(CoTaskMemAlloc(sizeof(VIDEOINFOHEADER)));
    if (vih == nullptr) return E_OUTOFMEMORY;
    *vih = VIDEOINFOHEADER{};
    vih->AvgTimePerFrame = FramePeriod(fps);
    vih->dwBitRate = static_cast<DWORD>(ImageBytes(f) * 8ull * static_cast<unsigned>(fps));
    BITMAPINFOHEADER& bi = vih->bmiHeader;
    bi.biSize = sizeof(BITMAPINFOHEADER);
    bi.biWidth = f.width;
    bi.biHeight = f.height;
    bi.biPlanes = 1;
    bi.biBitCount = f.kind == PixelKind::kRgb24 ? 24 : 16;
    bi.biCompression = f.kind == PixelKind::kRgb24 ? BI_RGB : kYuy2FourCc;
    bi.biSizeImage = ImageBytes(f);
    mt->majortype = MEDIATYPE_Video;
    mt->subtype = f.kind == PixelKind::kRgb24 ? MEDIASUBTYPE_RGB24 : MEDIASUBTYPE_YUY2;
    mt->bFixedSizeSamples = TRUE;
    mt->bTemporalCompression = FALSE;
    mt->lSampleSize = ImageBytes(f);
    mt->formattype = FORMAT_VideoInfo;
    mt->cbFormat = sizeof(VIDEOINFOHEADER);
    mt->pbFormat = reinterpret_cast<BYTE*>(vih);
    return S_OK;
}

std::optional<VideoFormat> FormatOf(const AM_MEDIA_TYPE& mt) {
    if (!IsEqualGUID(mt.majortype, MEDIATYPE_Video) ||
        !IsEqualGUID(mt.formattype, FORMAT_VideoInfo) || mt.pbFormat == nullptr ||
        mt.cbFormat < sizeof(VIDEOINFOHEADER))
        return std::nullopt;
    const auto& bi = reinterpret_cast<const VIDEOINFOHEADER*>(mt.pbFormat)->bmiHeader;
    VideoFormat f;
    if (IsEqualGUID(mt.subtype, MEDIASUBTYPE_RGB24) && bi.biBitCount == 24)
        f.kind = PixelKind::kRgb24;
    else if (IsEqualGUID(mt.subtype, MEDIASUBTYPE_YUY2) && bi.biBitCount == 16)
        f.kind = PixelKind::kYuy2;
    else
        return std::nullopt;
    // A negative height would ask for the other row order than this camera delivers.
    f.width = bi.biWidth;
    f.height = bi.biHeight;
    if (f.width < kMinSide || f.width > kMaxSide || f.height < kMinSide || f.height > kMaxSide)
        return std::nullopt;
    return f;
}

bool Admits(const AM_MEDIA_TYPE& want, const AM_MEDIA_TYPE& offered) {
    auto blankOr = [](const GUID& w, const GUID& o) {
        return IsEqualGUID(w, GUID_NULL) || IsEqualGUID(w, o);
    };
    if (!blankOr(want.majortype, offered.majortype) || !blankOr(want.subtype, offered.subtype) ||
        !blankOr(want.formattype, offered.formattype))
        return false;
    if (want.pbFormat == nullptr || want.cbFormat == 0) return true;
    const auto w = FormatOf(want);
    return w && w == FormatOf(offered);
}

HRESULT CopyMediaType(AM_MEDIA_TYPE* to, const AM_MEDIA_TYPE& from) {
    *to = from;
    to->pbFormat = nullptr;
    to->cbFormat = 0;
    if (from.cbFormat != 0 && from.pbFormat != nullptr) {
        to->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(from.cbFormat));
        if (to->pbFormat == nullptr) {
            to->pUnk = nullptr;
            return E_OUTOFMEMORY;
        }
        std::memcpy(to->pbFormat, from.pbFormat, from.cbFormat);
        to->cbFormat = from.cbFormat;
    }
    if (to->pUnk != nullptr) to->pUnk->AddRef();
    return S_OK;
}

void FreeMediaType(AM_MEDIA_TYPE& mt) {
    if (mt.pbFormat != nullptr) CoTaskMemFree(mt.pbFormat);
    mt.pbFormat = nullptr;
    mt.cbFormat = 0;
    if (mt.pUnk != nullptr) mt.pUnk->Release();
    mt.pUnk = nullptr;
}

AM_MEDIA_TYPE* NewMediaType(const AM_MEDIA_TYPE& from) {
    auto* mt = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (mt == nullptr) return nullptr;
    if (FAILED(CopyMediaType(mt, from))) {
        CoTaskMemFree(mt);
        return nullptr;
    }
    return mt;
}

void DeleteMediaType(AM_MEDIA_TYPE* mt) {
    if (mt == nullptr) return;
    FreeMediaType(*mt);
    CoTaskMemFree(mt);
}

void ConvertFrame(const uint8_t* picture, const VideoFormat& f, SensorTurn turn, uint8_t* out) {
    const int32_t stride = RowBytes(f);
    std::vector<int32_t> column(static_cast<size_t>(f.width));
    for (int32_t x = 0; x < f.width; ++x) {
        const int32_t sx = x * kFrameWidth / f.width;
        column[static_cast<size_t>(x)] = (turn.mirror ? kFrameWidth - 1 - sx : sx) * 3;
    }
    for (int32_t y = 0; y < f.height; ++y) {  // y counts picture rows from the top
        const int32_t sy = y * kFrameHeight / f.height;
        const int32_t top = turn.flip ? kFrameHeight - 1 - sy : sy;
        const uint8_t* src = picture + static_cast<size_t>(kFrameHeight - 1 - top) * kFrameStride;
        if (f.kind == PixelKind::kRgb24) {
            uint8_t* row =
                out + static_cast<size_t>(f.height - 1 - y) * static_cast<size_t>(stride);
            for (int32_t x = 0; x < f.width; ++x)
                std::memcpy(row + x * 3, src + column[static_cast<size_t>(x)], 3);
            continue;
        }
        uint8_t* row = out + static_cast<size_t>(y) * static_cast<size_t>(stride);
        for (int32_t x = 0; x < f.width; x += 2) {
            const uint8_t* p0 = src + column[static_cast<size_t>(x)];
            const uint8_t* p1 = src + column[static_cast<size_t>(x + 1)];
            auto luma = [](const uint8_t* p) {
                return Clamp255(16 + ((66 * p[2] + 129 * p[1] + 25 * p[0] + 128) >> 8));
            };
            const int b = (p0[0] + p1[0]) / 2, g = (p0[1] + p1[1]) / 2, r = (p0[2] + p1[2]) / 2;
            row[x * 2] = luma(p0);
            row[x * 2 + 1] = Clamp255(128 + ((-38 * r - 74 * g + 112 * b + 128) >> 8));
            row[x * 2 + 2] = luma(p1);
            row[x * 2 + 3] = Clamp255(128 + ((112 * r - 94 * g - 18 * b + 128) >> 8));
        }
    }
}

}  // namespace halvertone::webcam
