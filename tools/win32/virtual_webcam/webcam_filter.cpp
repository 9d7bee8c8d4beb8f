#include "tools/win32/virtual_webcam/webcam_filter.h"

#include <cwchar>

#include "capture/win32/ks_register_bridge.h"
#include "tools/win32/virtual_webcam/enumerators.h"
#include "tools/win32/virtual_webcam/module_lock.h"
#include "tools/win32/virtual_webcam/webcam_registry.h"

namespace halvertone::webcam {
namespace {

constexpr wchar_t kPinId[] = L"Capture";

std::wstring ReadBagText(IPropertyBag* bag, const wchar_t* name) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    std::wstring text;
    if (SUCCEEDED(bag->Read(name, &v, nullptr)) && v.vt == VT_BSTR && v.bstrVal != nullptr)
        text = v.bstrVal;
    VariantClear(&v);
    return text;
}

std::string Narrow(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<size_t>(n - 1));
    return s;
}

}  // namespace

WebcamFilter::WebcamFilter() : bridge_(std::make_unique<SensorBridge>()), pin_(*this) {
    LockModule();
}

WebcamFilter::~WebcamFilter() {
    pin_.Deactivate();
    UnlockModule();
}

STDMETHODIMP WebcamFilter::QueryInterface(REFIID riid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBaseFilter) ||
        IsEqualIID(riid, IID_IMediaFilter) || IsEqualIID(riid, IID_IPersist))
        *out = static_cast<IBaseFilter*>(this);
    else if (IsEqualIID(riid, IID_IAMFilterMiscFlags))
        *out = static_cast<IAMFilterMiscFlags*>(this);
    else if (IsEqualIID(riid, IID_IKsControl))
        *out = static_cast<IKsControl*>(this);
    else if (IsEqualIID(riid, IID_IPersistPropertyBag))
        *out = static_cast<IPersistPropertyBag*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) WebcamFilter::AddRef() {
    return static_cast<ULONG>(++refs_);
}

STDMETHODIMP_(ULONG) WebcamFilter::Release() {
    const LONG n = --refs_;
    if (n == 0) delete this;
    return static_cast<ULONG>(n);
}

STDMETHODIMP WebcamFilter::GetClassID(CLSID* clsid) {
    if (clsid == nullptr) return E_POINTER;
    *clsid = kWebcamClsid;
    return S_OK;
}

STDMETHODIMP WebcamFilter::Stop() {
    // The streaming thread is ended outside the lock: a frame in delivery may call back.
    pin_.Deactivate();
    std::lock_guard lock(mutex_);
    state_ = State_Stopped;
    return S_OK;
}

STDMETHODIMP WebcamFilter::Pause() {
    if (state_.load() == State_Stopped) {
        const HRESULT hr = pin_.Activate();
        if (FAILED(hr)) return hr;
    }
    std::lock_guard lock(mutex_);
    state_ = State_Paused;
    return S_OK;
}

STDMETHODIMP WebcamFilter::Run(REFERENCE_TIME start) {
    if (state_.load() == State_Stopped) {
        const HRESULT hr = Pause();
        if (FAILED(hr)) return hr;
    }
    std::lock_guard lock(mutex_);
    start_ = start;
    state_ = State_Running;
    return S_OK;
}

STDMETHODIMP WebcamFilter::GetState(DWORD, FILTER_STATE* state) {
    if (state == nullptr) return E_POINTER;
    *state = static_cast<FILTER_STATE>(state_.load());
    // A live source has nothing to show while paused.
    return *state == State_Paused ? VFW_S_CANT_CUE : S_OK;
}

STDMETHODIMP WebcamFilter::SetSyncSource(IReferenceClock* clock) {
    std::lock_guard lock(mutex_);
    clock_ = clock;
    return S_OK;
}

STDMETHODIMP WebcamFilter::GetSyncSource(IReferenceClock** clock) {
    if (clock == nullptr) return E_POINTER;
    std::lock_guard lock(mutex_);
    *clock = clock_.Get();
    if (*clock != nullptr) (*clock)->AddRef();
    return S_OK;
}

STDMETHODIMP WebcamFilter::EnumPins(IEnumPins** out) {
    return NewPinEnumerator(&pin_, out);
}

STDMETHODIMP WebcamFilter::FindPin(LPCWSTR id, IPin** pin) {
    if (id == nullptr || pin == nullptr) return E_POINTER;
    if (std::wcscmp(id, kPinId) != 0) {
        *pin = nullptr;
        return VFW_E_NOT_FOUND;
    }
    *pin = &pin_;
    pin_.AddRef();
    return S_OK;
}

STDMETHODIMP WebcamFilter::QueryFilterInfo(FILTER_INFO* info) {
    if (info == nullptr) return E_POINTER;
    std::lock_guard lock(mutex_);
    lstrcpynW(info->achName, name_.c_str(), MAX_FILTER_NAME);
    info->pGraph = graph_;
    if (graph_ != nullptr) graph_->AddRef();
    return S_OK;
}

STDMETHODIMP WebcamFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) {
    std::lock_guard lock(mutex_);
    graph_ = graph;
    name_ = name != nullptr ? name : L"";
    return S_OK;
}

STDMETHODIMP WebcamFilter::KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data,
                                      ULONG dataLength, ULONG* returned) {
    if (property == nullptr || propertyLength < sizeof(KSP_NODE)) return E_INVALIDARG;
    const auto* node = reinterpret_cast<const KSP_NODE*>(property);
    if (!IsEqualGUID(node->Property.Set, kBridgePropertySet) ||
        node->Property.Id != kBridgePropertyId || node->NodeId != kBridgeNodeId)
        return HRESULT_FROM_WIN32(ERROR_SET_NOT_FOUND);
    if (data == nullptr || dataLength < sizeof(BridgeData)) return E_INVALIDARG;
    auto* d = static_cast<BridgeData*>(data);
    if (node->Property.Flags & KSPROPERTY_TYPE_SET)
        bridge_->Set(d->address, d->value);
    else if (node->Property.Flags & KSPROPERTY_TYPE_GET)
        d->value = bridge_->Get();
    else
        return E_INVALIDARG;
    if (returned != nullptr) *returned = sizeof(BridgeData);
    return S_OK;
}

STDMETHODIMP WebcamFilter::Load(IPropertyBag* bag, IErrorLog*) {
    if (bag == nullptr) return E_POINTER;
    if (state_.load() != State_Stopped) return E_UNEXPECTED;
    instance_ = ReadBagText(bag, L"FriendlyName");
    const std::wstring config = ReadBagText(bag, L"Config");
    if (!config.empty()) config_ = LoadWebcamConfig(Narrow(config));
    bridge_ = std::make_unique<SensorBridge>(config_.registerLog);
    return S_OK;
}

bool WebcamFilter::PluggedIn() const {
    return instance_.empty() || Plugged(instance_);
}

std::optional<REFERENCE_TIME> WebcamFilter::StreamTime() const {
    std::lock_guard lock(mutex_);
    REFERENCE_TIME now = 0;
    if (!clock_ || FAILED(clock_->GetTime(&now))) return std::nullopt;
    return now - start_;
}

}  // namespace halvertone::webcam
