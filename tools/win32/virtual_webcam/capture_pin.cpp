#include "tools/win32/virtual_webcam/capture_pin.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "tools/win32/performance_micros.h"
#include "tools/win32/virtual_webcam/enumerators.h"
#include "tools/win32/virtual_webcam/webcam_filter.h"
#include "tools/win32/virtual_webcam/webcam_picture.h"

namespace halvertone::webcam {
namespace {

constexpr wchar_t kPinName[] = L"Capture";
// Frames the allocator holds at least: one in delivery, one downstream, one spare.
constexpr long kMinBuffers = 3;

}  // namespace

CapturePin::CapturePin(WebcamFilter& filter) : filter_(filter) {
    wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

CapturePin::~CapturePin() {
    Deactivate();
    FreeMediaType(mediaType_);
    if (wake_ != nullptr) CloseHandle(wake_);
}

STDMETHODIMP CapturePin::QueryInterface(REFIID riid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPin))
        *out = static_cast<IPin*>(this);
    else if (IsEqualIID(riid, IID_IAMStreamConfig))
        *out = static_cast<IAMStreamConfig*>(this);
    else if (IsEqualIID(riid, IID_IKsPropertySet))
        *out = static_cast<IKsPropertySet*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CapturePin::AddRef() {
    return filter_.AddRef();
}

STDMETHODIMP_(ULONG) CapturePin::Release() {
    return filter_.Release();
}

std::vector<AM_MEDIA_TYPE> CapturePin::OfferedTypes() const {
    const WebcamConfig& config = filter_.Config();
    std::vector<VideoFormat> formats;
    if (chosenSet_) formats.push_back(chosen_);
    for (const VideoFormat& f : config.formats)
        if (!chosenSet_ || !(f == chosen_)) formats.push_back(f);
    std::vector<AM_MEDIA_TYPE> types;
    for (const VideoFormat& f : formats) {
        AM_MEDIA_TYPE mt{};
        if (SUCCEEDED(FillMediaType(f, config.frameRate, &mt))) types.push_back(mt);
    }
    return types;
}

HRESULT CapturePin::NegotiateAllocator(IMemInputPin* input, const VideoFormat& format) {
    ComPtr<IMemAllocator> allocator;
    if (FAILED(input->GetAllocator(allocator.ReleaseAndGetAddressOf())) || !allocator) {
        const HRESULT hr = CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IMemAllocator, PutVoid(allocator));
        if (FAILED(hr)) return hr;
    }
    ALLOCATOR_PROPERTIES want{};
    input->GetAllocatorRequirements(&want);  // optional: zeros when the input has none
    want.cBuffers = std::max(want.cBuffers, kMinBuffers);
    want.cbBuffer = std::max<long>(want.cbBuffer, static_cast<long>(ImageBytes(format)));
    want.cbAlign = std::max<long>(want.cbAlign, 1);
    want.cbPrefix = std::max<long>(want.cbPrefix, 0);
    ALLOCATOR_PROPERTIES got{};
    HRESULT hr = allocator->SetProperties(&want, &got);
    if (FAILED(hr)) return hr;
    if (got.cbBuffer < static_cast<long>(ImageBytes(format))) return E_FAIL;
    hr = input->NotifyAllocator(allocator.Get(), FALSE);
    if (FAILED(hr)) return hr;
    allocator_ = allocator;
    return S_OK;
}

HRESULT CapturePin::TryConnection(IPin* receiver, const AM_MEDIA_TYPE& mt) {
    const std::optional<VideoFormat> format = FormatOf(mt);
    if (!format) return VFW_E_TYPE_NOT_ACCEPTED;
    HRESULT hr = receiver->ReceiveConnection(this, &mt);
    if (FAILED(hr)) return hr;
    ComPtr<IMemInputPin> input;
    hr = receiver->QueryInterface(IID_IMemInputPin, PutVoid(input));
    if (SUCCEEDED(hr)) hr = NegotiateAllocator(input.Get(), *format);
    if (FAILED(hr)) {
        receiver->Disconnect();
        return hr;
    }
    connected_ = receiver;
    input_ = input;
    format_ = *format;
    FreeMediaType(mediaType_);
    CopyMediaType(&mediaType_, mt);
    return S_OK;
}

STDMETHODIMP CapturePin::Connect(IPin* receiver, const AM_MEDIA_TYPE* mt) {
    if (receiver == nullptr) return E_POINTER;
    std::lock_guard lock(mutex_);
    if (connected_) return VFW_E_ALREADY_CONNECTED;
    if (streamer_.joinable()) return VFW_E_NOT_STOPPED;
    std::vector<AM_MEDIA_TYPE> offered = OfferedTypes();
    HRESULT result = VFW_E_NO_ACCEPTABLE_TYPES;
    for (const AM_MEDIA_TYPE& candidate : offered) {
        if (mt != nullptr && !Admits(*mt, candidate)) continue;
        if (SUCCEEDED(TryConnection(receiver, candidate))) {
            result = S_OK;
            break;
        }
    }
    for (AM_MEDIA_TYPE& t : offered) FreeMediaType(t);
    return result;
}

STDMETHODIMP CapturePin::Disconnect() {
    std::lock_guard lock(mutex_);
    if (streamer_.joinable()) return VFW_E_NOT_STOPPED;
    if (!connected_) return S_FALSE;
    connected_.Reset();
    input_.Reset();
    allocator_.Reset();
    FreeMediaType(mediaType_);
    return S_OK;
}

STDMETHODIMP CapturePin::ConnectedTo(IPin** pin) {
    if (pin == nullptr) return E_POINTER;
    std::lock_guard lock(mutex_);
    *pin = connected_.Get();
    if (*pin == nullptr) return VFW_E_NOT_CONNECTED;
    (*pin)->AddRef();
    return S_OK;
}

STDMETHODIMP CapturePin::ConnectionMediaType(AM_MEDIA_TYPE* mt) {
    if (mt == nullptr) return E_POINTER;
    std::lock_guard lock(mutex_);
    if (!connected_) {
        *mt = AM_MEDIA_TYPE{};
        return VFW_E_NOT_CONNECTED;
    }
    return CopyMediaType(mt, mediaType_);
}

STDMETHODIMP CapturePin::QueryPinInfo(PIN_INFO* info) {
    if (info == nullptr) return E_POINTER;
    info->pFilter = &filter_;
    filter_.AddRef();
    info->dir = PINDIR_OUTPUT;
    lstrcpynW(info->achName, kPinName, MAX_PIN_NAME);
    return S_OK;
}

STDMETHODIMP CapturePin::QueryDirection(PIN_DIRECTION* dir) {
    if (dir == nullptr) return E_POINTER;
    *dir = PINDIR_OUTPUT;
    return S_OK;
}

STDMETHODIMP CapturePin::QueryId(LPWSTR* id) {
    if (id == nullptr) return E_POINTER;
    *id = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof kPinName));
    if (*id == nullptr) return E_OUTOFMEMORY;
    std::memcpy(*id, kPinName, sizeof kPinName);
    return S_OK;
}

STDMETHODIMP CapturePin::QueryAccept(const AM_MEDIA_TYPE* mt) {
    if (mt == nullptr) return E_POINTER;
    const std::optional<VideoFormat> f = FormatOf(*mt);
    if (!f) return S_FALSE;
    for (const VideoFormat& offered : filter_.Config().formats)
        if (offered == *f) return S_OK;
    return S_FALSE;
}

STDMETHODIMP CapturePin::EnumMediaTypes(IEnumMediaTypes** out) {
    std::vector<AM_MEDIA_TYPE> offered;
    {
        std::lock_guard lock(mutex_);
        offered = OfferedTypes();
    }
    const HRESULT hr = NewMediaTypeEnumerator(offered, out);
    for (AM_MEDIA_TYPE& t : offered) FreeMediaType(t);
    return hr;
}

STDMETHODIMP CapturePin::SetFormat(AM_MEDIA_TYPE* mt) {
    if (mt == nullptr) return E_POINTER;
    if (QueryAccept(mt) != S_OK) return VFW_E_INVALIDMEDIATYPE;
    std::lock_guard lock(mutex_);
    // A connected pin keeps its type; the graph reconnects to change it.
    if (connected_ && !(FormatOf(*mt) == format_)) return VFW_E_ALREADY_CONNECTED;
    chosen_ = *FormatOf(*mt);
    chosenSet_ = true;
    return S_OK;
}

STDMETHODIMP CapturePin::GetFormat(AM_MEDIA_TYPE** mt) {
    if (mt == nullptr) return E_POINTER;
    std::lock_guard lock(mutex_);
    AM_MEDIA_TYPE current{};
    if (connected_) {
        CopyMediaType(&current, mediaType_);
    } else {
        const HRESULT hr = FillMediaType(chosenSet_ ? chosen_ : filter_.Config().formats.front(),
                                         filter_.Config().frameRate, &current);
        if (FAILED(hr)) return hr;
    }
    *mt = NewMediaType(current);
    FreeMediaType(current);
    return *mt != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CapturePin::GetNumberOfCapabilities(int* count, int* size) {
    if (count == nullptr || size == nullptr) return E_POINTER;
    *count = static_cast<int>(filter_.Config().formats.size());
    *size = sizeof(VIDEO_STREAM_CONFIG_CAPS);
    return S_OK;
}

STDMETHODIMP CapturePin::GetStreamCaps(int index, AM_MEDIA_TYPE** mt, BYTE* caps) {
    if (mt == nullptr || caps == nullptr) return E_POINTER;
    const WebcamConfig& config = filter_.Config();
    if (index < 0) return E_INVALIDARG;
    if (static_cast<size_t>(index) >= config.formats.size()) return S_FALSE;
    const VideoFormat& f = config.formats[static_cast<size_t>(index)];
    AM_MEDIA_TYPE filled{};
    HRESULT hr = FillMediaType(f, config.frameRate, &filled);
    if (FAILED(hr)) return hr;
    *mt = NewMediaType(filled);
    FreeMediaType(filled);
    if (*mt == nullptr) return E_OUTOFMEMORY;
    // One fixed size and rate per capability.
    VIDEO_STREAM_CONFIG_CAPS c{};
    c.guid = FORMAT_VideoInfo;
    c.InputSize = c.MinCroppingSize = c.MaxCroppingSize = SIZE{f.width, f.height};
    c.MinOutputSize = c.MaxOutputSize = SIZE{f.width, f.height};
    c.CropGranularityX = c.CropGranularityY = 1;
    c.CropAlignX = c.CropAlignY = 1;
    c.OutputGranularityX = c.OutputGranularityY = 1;
    c.MinFrameInterval = c.MaxFrameInterval = FramePeriod(config.frameRate);
    c.MinBitsPerSecond = c.MaxBitsPerSecond =
        static_cast<LONG>(ImageBytes(f) * 8ull * static_cast<unsigned>(config.frameRate));
    std::memcpy(caps, &c, sizeof c);
    return S_OK;
}

STDMETHODIMP CapturePin::Get(REFGUID set, DWORD id, LPVOID, DWORD, LPVOID data, DWORD dataLength,
                             DWORD* returned) {
    if (!IsEqualGUID(set, AMPROPSETID_Pin)) return E_PROP_SET_UNSUPPORTED;
    if (id != AMPROPERTY_PIN_CATEGORY) return E_PROP_ID_UNSUPPORTED;
    if (data == nullptr && returned == nullptr) return E_POINTER;
    if (returned != nullptr) *returned = sizeof(GUID);
    if (data == nullptr) return S_OK;
    if (dataLength < sizeof(GUID)) return E_UNEXPECTED;
    *static_cast<GUID*>(data) = PIN_CATEGORY_CAPTURE;
    return S_OK;
}

STDMETHODIMP CapturePin::QuerySupported(REFGUID set, DWORD id, DWORD* support) {
    if (!IsEqualGUID(set, AMPROPSETID_Pin)) return E_PROP_SET_UNSUPPORTED;
    if (id != AMPROPERTY_PIN_CATEGORY) return E_PROP_ID_UNSUPPORTED;
    if (support != nullptr) *support = KSPROPERTY_SUPPORT_GET;
    return S_OK;
}

HRESULT CapturePin::Activate() {
    std::lock_guard lock(mutex_);
    if (streamer_.joinable() || !connected_) return S_OK;
    const HRESULT hr = allocator_->Commit();
    if (FAILED(hr)) return hr;
    stop_ = false;
    streamer_ = std::thread([this] { Stream(); });
    return S_OK;
}

void CapturePin::Deactivate() {
    std::thread streamer;
    {
        std::lock_guard lock(mutex_);
        if (!streamer_.joinable()) return;
        streamer = std::move(streamer_);
        stop_ = true;
        // Decommitting releases a thread waiting for a buffer.
        if (allocator_) allocator_->Decommit();
    }
    SetEvent(wake_);
    streamer.join();
}

HRESULT CapturePin::DeliverOne(WebcamPicture& picture, uint64_t ms, FILE* frameLog) {
    const std::vector<uint8_t>& image = picture.At(ms);
    ComPtr<IMediaSample> sample;
    HRESULT hr = allocator_->GetBuffer(sample.ReleaseAndGetAddressOf(), nullptr, nullptr, 0);
    if (FAILED(hr)) return hr;
    BYTE* bytes = nullptr;
    hr = sample->GetPointer(&bytes);
    if (FAILED(hr)) return hr;
    const uint32_t size = ImageBytes(format_);
    if (sample->GetSize() < static_cast<long>(size)) return E_FAIL;
    ConvertFrame(image.data(), format_, filter_.Turn(), bytes);
    sample->SetActualDataLength(static_cast<long>(size));
    sample->SetSyncPoint(TRUE);
    if (const auto now = filter_.StreamTime()) {
        REFERENCE_TIME start = *now, end = *now + FramePeriod(filter_.Config().frameRate);
        sample->SetTime(&start, &end);
    }
    if (frameLog) {
        const sim::PenSample& pen = picture.LastPen();
        std::fprintf(frameLog, "%lld %d %.1f %.1f\n", PerformanceMicroseconds(), pen.down ? 1 : 0,
                     pen.x, pen.y);
    }
    return input_->Receive(sample.Get());
}

void CapturePin::Stream() {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const WebcamConfig& config = filter_.Config();
    WebcamPicture picture(config, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // Appended to, since a rebuilt graph streams again into the same log.
    FILE* frameLog = config.frameLog.empty() ? nullptr : std::fopen(config.frameLog.c_str(), "a");
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::microseconds(1'000'000 / std::max(config.frameRate, 1));
    const Clock::time_point begin = Clock::now();
    Clock::time_point due = begin;
    while (!stop_) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
        if (wait.count() > 0) WaitForSingleObject(wake_, static_cast<DWORD>(wait.count()));
        if (stop_) break;
        due += period;
        // A camera that fell behind (a slow consumer) goes on from now, not with a burst.
        if (Clock::now() > due + 2 * period) due = Clock::now() + period;
        if (!filter_.Running() || !filter_.PluggedIn()) continue;
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin);
        DeliverOne(picture, static_cast<uint64_t>(ms.count()), frameLog);
    }
    if (frameLog) std::fclose(frameLog);
    CoUninitialize();
}

}  // namespace halvertone::webcam
