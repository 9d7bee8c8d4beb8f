#include "capture/win32/grabber_callback.h"

#include <cstring>

#include "capture/frame_turn.h"

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
    // Only whole 640 x 480 frames are turned; anything else goes on as it is and meets the
    // ring's own checks.
    if (turn_.load() && buffer != nullptr && length == static_cast<long>(kFrameBytes) &&
        ring->AcceptingFrames()) {
        if (turned_.empty()) turned_.resize(kFrameBytes);
        std::memcpy(turned_.data(), buffer, kFrameBytes);
        TurnFrame180(turned_.data(), kFrameBytes);
        return ring->BufferCB(turned_.data(), length);
    }
    return ring->BufferCB(buffer, length);
}

}  // namespace halvertone
