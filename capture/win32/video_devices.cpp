#include "capture/win32/video_devices.h"

#include <optional>

namespace halvertone {
namespace {

std::string Narrow(const wchar_t* w) {
    if (w == nullptr) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<size_t>(n - 1));
    return s;
}

std::optional<std::string> ReadProperty(IPropertyBag* bag, const wchar_t* name) {
    VARIANT v;
    VariantInit(&v);
    std::optional<std::string> text;
    if (SUCCEEDED(bag->Read(name, &v, nullptr)) && v.vt == VT_BSTR) text = Narrow(v.bstrVal);
    VariantClear(&v);
    return text;
}

}  // namespace

VideoDeviceList EnumerateVideoDevices() {
    VideoDeviceList list;
    ComPtr<ICreateDevEnum> devEnum;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                                IID_ICreateDevEnum, PutVoid(devEnum))))
        return VideoDeviceList{VideoDeviceList::Outcome::kNoEnumerator, {}};
    ComPtr<IEnumMoniker> monikers;
    if (devEnum->CreateClassEnumerator(CLSID_VideoInputDeviceCategory,
                                       monikers.ReleaseAndGetAddressOf(), 0) != S_OK ||
        !monikers)
        return VideoDeviceList{VideoDeviceList::Outcome::kNoDevice, {}};
    monikers->Reset();
    for (;;) {
        ComPtr<IMoniker> m;
        if (monikers->Next(1, m.ReleaseAndGetAddressOf(), nullptr) != S_OK || !m) break;
        ComPtr<IPropertyBag> bag;
        if (FAILED(m->BindToStorage(nullptr, nullptr, IID_IPropertyBag, PutVoid(bag)))) continue;
        std::optional<std::string> path = ReadProperty(bag.Get(), L"DevicePath");
        if (!path) continue;
        list.devices.push_back(VideoDevice{std::move(m), std::move(*path),
                                           ReadProperty(bag.Get(), L"FriendlyName").value_or("")});
    }
    return list;
}

}  // namespace halvertone
