#pragma once
// The sample grabber's callback object: one static instance, never counted or freed, whose
// BufferCB hands each camera frame to the frame ring on the camera's streaming thread.
#include <windows.h>
// windows.h first
#include <dshow.h>
#include <qedit.h>

#include <atomic>
#include <cstdint>

#include "capture/frame_ring.h"
#include "capture/frame_snapshot.h"

namespace halvertone {

class GrabberCallback final : public ISampleGrabberCB {
  public:
    static GrabberCallback& Instance();

    // The ring that receives the frames; without one, frames are dropped.
    void SetRing(FrameRing* ring) { ring_.store(ring); }
    // Where the camera view's copies go (null: nobody looks); offered after the ring.
    void SetSnapshot(FrameSnapshot* snapshot) { snapshot_.store(snapshot); }
    // Turns every frame by 180 degrees on its way into the ring, for ceiling mounting with a
    // camera that cannot turn its own picture. The camera's buffer itself is left alone.
    void SetSoftwareTurn(bool on) { turn_.store(on); }
    bool SoftwareTurn() const { return turn_.load(); }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP SampleCB(double sampleTime, IMediaSample* sample) override;
    STDMETHODIMP BufferCB(double sampleTime, BYTE* buffer, long length) override;

    GrabberCallback(const GrabberCallback&) = delete;
    GrabberCallback& operator=(const GrabberCallback&) = delete;

  private:
    GrabberCallback() = default;
    ~GrabberCallback() = default;

    std::atomic<FrameRing*> ring_{nullptr};
    std::atomic<FrameSnapshot*> snapshot_{nullptr};
    std::atomic<bool> turn_{false};
};

}  // namespace halvertone
