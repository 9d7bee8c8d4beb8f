#include "capture/win32/grabber_callback.h"

namespace halvertone {

GrabberCallback& GrabberCallback::Instance() {
    static GrabberCallback instance;
    return instance;
}

STDMETHODIMP GrabberCallback::QueryInterface(REFIID riid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_ISampleGrabberCB) || IsEqualIID(riid, IID_IUnknown)) {
        *out = static_cast<ISampleGrabberCB*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP GrabberCallback::SampleCB(double, IMediaSample*) {
    return S_OK;
}

STDMETHODIMP GrabberCallback::BufferCB(double, BYTE* buffer, long length) {
    FrameRing* ring = ring_.load();
    if (ring == nullptr) return S_OK;
    // The turn is done while the frame is copied into its slot: no second copy.
    const FrameCopy copy = turn_.load() ? FrameCopy::kTurned180 : FrameCopy::kAsIs;
    const HRESULT hr = ring->BufferCB(buffer, length, copy);
    if (FrameSnapshot* snapshot = snapshot_.load()) snapshot->Offer(buffer, length, copy);
    return hr;
}

}  // namespace halvertone
