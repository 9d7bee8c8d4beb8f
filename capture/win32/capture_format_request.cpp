#include "capture/win32/capture_format_request.h"

#include <dvdmedia.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "capture/win32/com_ptr.h"

namespace halvertone {
namespace {

// FOURCC subtypes share every part of their GUID but the first.
bool IsFourCc(const GUID& g, DWORD fourCc) {
    static const GUID kBase = {0, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
    return g.Data1 == fourCc && g.Data2 == kBase.Data2 && g.Data3 == kBase.Data3 &&
           std::equal(std::begin(g.Data4), std::end(g.Data4), std::begin(kBase.Data4));
}

constexpr DWORD FourCc(char a, char b, char c, char d) {
    return static_cast<DWORD>(static_cast<uint8_t>(a)) |
           (static_cast<DWORD>(static_cast<uint8_t>(b)) << 8) |
           (static_cast<DWORD>(static_cast<uint8_t>(c)) << 16) |
           (static_cast<DWORD>(static_cast<uint8_t>(d)) << 24);
}

constexpr int kMostCapabilities = 512;

// The media types GetStreamCaps hands out are the caller's to free, block and all.
struct OwnedTypes {
    std::vector<AM_MEDIA_TYPE*> types;
    ~OwnedTypes() {
        for (AM_MEDIA_TYPE* mt : types) {
            FreeMediaType(*mt);
            CoTaskMemFree(mt);
        }
    }
};

// One pin: kSet when it offered a usable 640 x 480 format (set, if the pin let us), kNotAskable
// when it lists no video formats at all.
FormatRequest SetRequiredFormat(IAMStreamConfig* config) {
    int count = 0;
    int capsSize = 0;
    if (FAILED(config->GetNumberOfCapabilities(&count, &capsSize)) || count <= 0 ||
        capsSize < static_cast<int>(sizeof(VIDEO_STREAM_CONFIG_CAPS)) || capsSize > 4096)
        return FormatRequest::kNotAskable;
    // A broken driver's count or size must not keep the interface thread busy or allocating.
    count = std::min(count, kMostCapabilities);
    std::vector<BYTE> caps(static_cast<size_t>(capsSize));
    OwnedTypes owned;
    std::vector<OfferedFormat> offers;
    for (int i = 0; i < count; ++i) {
        AM_MEDIA_TYPE* mt = nullptr;
        if (FAILED(config->GetStreamCaps(i, &mt, caps.data())) || mt == nullptr) continue;
        owned.types.push_back(mt);
        const FrameSize size = FrameSizeOf(*mt);
        offers.push_back(OfferedFormat{IsEqualGUID(mt->majortype, MEDIATYPE_Video)
                                           ? SubtypeOf(mt->subtype)
                                           : VideoSubtype::kOther,
                                       size.width, size.height});
    }
    if (offers.empty()) return FormatRequest::kNotAskable;
    const std::optional<size_t> chosen = ChooseCaptureFormat(offers);
    if (!chosen) return FormatRequest::kNotOffered;
    // A refused SetFormat is no verdict yet: the connected type is checked after connecting.
    config->SetFormat(owned.types[*chosen]);
    return FormatRequest::kSet;
}

}  // namespace

void FreeMediaType(AM_MEDIA_TYPE& mt) {
    if (mt.cbFormat != 0 && mt.pbFormat != nullptr) CoTaskMemFree(mt.pbFormat);
    mt.cbFormat = 0;
    mt.pbFormat = nullptr;
    if (mt.pUnk != nullptr) {
        mt.pUnk->Release();
        mt.pUnk = nullptr;
    }
}

FrameSize FrameSizeOf(const AM_MEDIA_TYPE& mt) {
    if (mt.pbFormat == nullptr) return {};
    const BITMAPINFOHEADER* bih = nullptr;
    if (IsEqualGUID(mt.formattype, FORMAT_VideoInfo) && mt.cbFormat >= sizeof(VIDEOINFOHEADER))
        bih = &reinterpret_cast<const VIDEOINFOHEADER*>(mt.pbFormat)->bmiHeader;
    else if (IsEqualGUID(mt.formattype, FORMAT_VideoInfo2) &&
             mt.cbFormat >= sizeof(VIDEOINFOHEADER2))
        bih = &reinterpret_cast<const VIDEOINFOHEADER2*>(mt.pbFormat)->bmiHeader;
    if (bih == nullptr) return {};
    return FrameSize{bih->biWidth, bih->biHeight};
}

VideoSubtype SubtypeOf(const GUID& subtype) {
    if (IsEqualGUID(subtype, MEDIASUBTYPE_RGB24)) return VideoSubtype::kRgb24;
    if (IsEqualGUID(subtype, MEDIASUBTYPE_RGB32)) return VideoSubtype::kRgb32;
    if (IsFourCc(subtype, FourCc('Y', 'U', 'Y', '2'))) return VideoSubtype::kYuy2;
    if (IsFourCc(subtype, FourCc('U', 'Y', 'V', 'Y'))) return VideoSubtype::kUyvy;
    if (IsFourCc(subtype, FourCc('I', '4', '2', '0')) ||
        IsFourCc(subtype, FourCc('I', 'Y', 'U', 'V')) ||
        IsFourCc(subtype, FourCc('Y', 'V', '1', '2')))
        return VideoSubtype::kI420;
    if (IsFourCc(subtype, FourCc('N', 'V', '1', '2'))) return VideoSubtype::kNv12;
    if (IsFourCc(subtype, FourCc('M', 'J', 'P', 'G'))) return VideoSubtype::kMjpg;
    return VideoSubtype::kOther;
}

FormatRequest RequestRequiredFormat(ICaptureGraphBuilder2* builder, IBaseFilter* device) {
    FormatRequest result = FormatRequest::kNotAskable;
    // The builder renders the preview pin when there is one, else the capture pin.
    for (const GUID* category : {&PIN_CATEGORY_PREVIEW, &PIN_CATEGORY_CAPTURE}) {
        ComPtr<IPin> pin;
        if (builder->FindPin(device, PINDIR_OUTPUT, category, &MEDIATYPE_Video, FALSE, 0,
                             pin.ReleaseAndGetAddressOf()) != S_OK ||
            !pin)
            continue;
        ComPtr<IAMStreamConfig> config;
        if (FAILED(pin->QueryInterface(IID_IAMStreamConfig, PutVoid(config)))) continue;
        const FormatRequest pinResult = SetRequiredFormat(config.Get());
        if (pinResult == FormatRequest::kSet || result == FormatRequest::kNotAskable)
            result = pinResult;
    }
    return result;
}

}  // namespace halvertone
