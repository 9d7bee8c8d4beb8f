#pragma once
// The virtual webcam as DirectShow sees it: a live source filter with one capture pin, bound
// from its instance key (IPersistPropertyBag reads the key's "Config" and "FriendlyName"),
// with the extension unit's property behind IKsControl.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "capture/win32/com_ptr.h"
#include "tools/win32/virtual_webcam/capture_pin.h"
#include "tools/win32/virtual_webcam/com_headers.h"
#include "tools/win32/virtual_webcam/sensor_bridge.h"
#include "tools/win32/virtual_webcam/webcam_config.h"

namespace halvertone::webcam {

class WebcamFilter final : public IBaseFilter,
                           public IAMFilterMiscFlags,
                           public IKsControl,
                           public IPersistPropertyBag {
  public:
    WebcamFilter();
    ~WebcamFilter();

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPersist (also for IPersistPropertyBag)
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    // IMediaFilter
    STDMETHODIMP Stop() override;
    STDMETHODIMP Pause() override;
    STDMETHODIMP Run(REFERENCE_TIME start) override;
    STDMETHODIMP GetState(DWORD timeoutMs, FILTER_STATE* state) override;
    STDMETHODIMP SetSyncSource(IReferenceClock* clock) override;
    STDMETHODIMP GetSyncSource(IReferenceClock** clock) override;
    // IBaseFilter
    STDMETHODIMP EnumPins(IEnumPins** out) override;
    STDMETHODIMP FindPin(LPCWSTR id, IPin** pin) override;
    STDMETHODIMP QueryFilterInfo(FILTER_INFO* info) override;
    STDMETHODIMP JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
    STDMETHODIMP QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }
    // IAMFilterMiscFlags
    STDMETHODIMP_(ULONG) GetMiscFlags() override { return AM_FILTER_MISC_FLAGS_IS_SOURCE; }
    // IKsControl: the extension unit's bridge property, nothing else.
    STDMETHODIMP KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data,
                            ULONG dataLength, ULONG* returned) override;
    STDMETHODIMP KsMethod(PKSMETHOD, ULONG, LPVOID, ULONG, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP KsEvent(PKSEVENT, ULONG, LPVOID, ULONG, ULONG*) override { return E_NOTIMPL; }
    // IPersistPropertyBag
    STDMETHODIMP InitNew() override { return S_OK; }
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag*, BOOL, BOOL) override { return E_NOTIMPL; }

    // For the pin.
    const WebcamConfig& Config() const { return config_; }
    SensorTurn Turn() const { return bridge_->Turn(); }
    bool Running() const { return state_.load() == State_Running; }
    // False once the camera's instance key is gone: it has been pulled off the bus.
    bool PluggedIn() const;
    // The stream time now, when the graph has a clock.
    std::optional<REFERENCE_TIME> StreamTime() const;

  private:
    std::atomic<LONG> refs_{1};
    mutable std::mutex mutex_;
    std::atomic<int> state_{State_Stopped};
    REFERENCE_TIME start_ = 0;
    ComPtr<IReferenceClock> clock_;
    IFilterGraph* graph_ = nullptr;  // not counted: the graph holds us
    std::wstring name_;
    std::wstring instance_;  // empty: not bound from a device key, always plugged in
    WebcamConfig config_;
    std::unique_ptr<SensorBridge> bridge_;
    CapturePin pin_;
};

}  // namespace halvertone::webcam
