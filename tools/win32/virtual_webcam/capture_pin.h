#pragma once
// The camera's one output pin: offers its media types, lets the graph pick one through
// IAMStreamConfig, says it is a capture pin (IKsPropertySet), negotiates the downstream
// allocator and, while the graph runs, delivers a frame every frame period from its own
// streaming thread.
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "capture/win32/com_ptr.h"
#include "tools/win32/virtual_webcam/com_headers.h"
#include "tools/win32/virtual_webcam/video_format.h"

namespace halvertone::webcam {

class WebcamFilter;
class WebcamPicture;

class CapturePin final : public IPin, public IAMStreamConfig, public IKsPropertySet {
  public:
    explicit CapturePin(WebcamFilter& filter);
    ~CapturePin();

    // Counted with the filter: the pin lives exactly as long as its filter.
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPin
    STDMETHODIMP Connect(IPin* receiver, const AM_MEDIA_TYPE* mt) override;
    STDMETHODIMP ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) override { return E_UNEXPECTED; }
    STDMETHODIMP Disconnect() override;
    STDMETHODIMP ConnectedTo(IPin** pin) override;
    STDMETHODIMP ConnectionMediaType(AM_MEDIA_TYPE* mt) override;
    STDMETHODIMP QueryPinInfo(PIN_INFO* info) override;
    STDMETHODIMP QueryDirection(PIN_DIRECTION* dir) override;
    STDMETHODIMP QueryId(LPWSTR* id) override;
    STDMETHODIMP QueryAccept(const AM_MEDIA_TYPE* mt) override;
    STDMETHODIMP EnumMediaTypes(IEnumMediaTypes** out) override;
    STDMETHODIMP QueryInternalConnections(IPin**, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP EndOfStream() override { return E_UNEXPECTED; }
    STDMETHODIMP BeginFlush() override { return E_UNEXPECTED; }
    STDMETHODIMP EndFlush() override { return E_UNEXPECTED; }
    STDMETHODIMP NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return S_OK; }

    // IAMStreamConfig
    STDMETHODIMP SetFormat(AM_MEDIA_TYPE* mt) override;
    STDMETHODIMP GetFormat(AM_MEDIA_TYPE** mt) override;
    STDMETHODIMP GetNumberOfCapabilities(int* count, int* size) override;
    STDMETHODIMP GetStreamCaps(int index, AM_MEDIA_TYPE** mt, BYTE* caps) override;

    // IKsPropertySet
    STDMETHODIMP Set(REFGUID, DWORD, LPVOID, DWORD, LPVOID, DWORD) override {
        return E_PROP_ID_UNSUPPORTED;
    }
    STDMETHODIMP Get(REFGUID set, DWORD id, LPVOID instance, DWORD instanceLength, LPVOID data,
                     DWORD dataLength, DWORD* returned) override;
    STDMETHODIMP QuerySupported(REFGUID set, DWORD id, DWORD* support) override;

    // From the filter: stopped -> paused starts the streaming thread (frames flow only while
    // running), paused -> stopped ends it.
    HRESULT Activate();
    void Deactivate();

  private:
    // Our media types, the chosen format first.
    std::vector<AM_MEDIA_TYPE> OfferedTypes() const;
    HRESULT TryConnection(IPin* receiver, const AM_MEDIA_TYPE& mt);
    HRESULT NegotiateAllocator(IMemInputPin* input, const VideoFormat& format);
    void Stream();
    // `frameLog` (may be null) receives the hand-over time and the pen of the frame.
    HRESULT DeliverOne(WebcamPicture& picture, uint64_t ms, FILE* frameLog);

    WebcamFilter& filter_;
    mutable std::mutex mutex_;  // connection state
    ComPtr<IPin> connected_;
    ComPtr<IMemInputPin> input_;
    ComPtr<IMemAllocator> allocator_;
    VideoFormat chosen_;  // the format the next connection uses
    bool chosenSet_ = false;
    VideoFormat format_;  // the connected one
    AM_MEDIA_TYPE mediaType_{};
    std::thread streamer_;
    std::atomic<bool> stop_{false};
    HANDLE wake_ = nullptr;
};

}  // namespace halvertone::webcam
