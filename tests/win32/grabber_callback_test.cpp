// The sample grabber's callback object: COM identity rules, forwarding into a real frame ring,
// the optional software turn, and acceptance by Wine's own sample grabber.
#include <windows.h>
// windows.h first
#include <dshow.h>
#include <gtest/gtest.h>
#include <qedit.h>

#include <vector>

#include "capture/camera_frame.h"
#include "capture/frame_ring.h"
#include "capture/win32/com_ptr.h"
#include "capture/win32/grabber_callback.h"
#include "platform/clock.h"
#include "simulator/synthetic_camera.h"
#include "tracking/spot_finder.h"

extern "C" const CLSID CLSID_SampleGrabber;

namespace halvertone {
namespace {

class GrabberCallbackTest : public ::testing::Test {
  protected:
    void TearDown() override {
        cb.SetRing(nullptr);
        cb.SetSoftwareTurn(false);
    }
    GrabberCallback& cb = GrabberCallback::Instance();
};

TEST_F(GrabberCallbackTest, AnswersOnlyItsOwnInterfacesAndIsNeverCountedOrFreed) {
    void* p = nullptr;
    EXPECT_EQ(cb.QueryInterface(IID_ISampleGrabberCB, &p), S_OK);
    EXPECT_EQ(p, static_cast<ISampleGrabberCB*>(&cb));
    p = nullptr;
    EXPECT_EQ(cb.QueryInterface(IID_IUnknown, &p), S_OK);
    EXPECT_EQ(p, static_cast<ISampleGrabberCB*>(&cb));
    p = &cb;
    EXPECT_EQ(cb.QueryInterface(IID_IDispatch, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(cb.QueryInterface(IID_ISampleGrabber, &p), E_NOINTERFACE);
    EXPECT_EQ(cb.QueryInterface(IID_ISampleGrabberCB, nullptr), E_POINTER);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(cb.AddRef(), 2u);
        EXPECT_EQ(cb.Release(), 1u);
        EXPECT_EQ(cb.Release(), 1u);
    }
    EXPECT_EQ(&GrabberCallback::Instance(), &cb) << "one static instance";
    EXPECT_EQ(cb.SampleCB(0.0, nullptr), S_OK);
}

TEST_F(GrabberCallbackTest, BufferCBForwardsIntoTheRing) {
    FrameRing ring;
    std::vector<uint8_t> frame(kFrameBytes, 7);
    frame[PixelOffset(3, 4) + 1] = 200;
    EXPECT_EQ(cb.BufferCB(0.5, frame.data(), static_cast<long>(frame.size())), S_OK)
        << "without a ring the frame is simply dropped";

    cb.SetRing(&ring);
    EXPECT_EQ(cb.BufferCB(0.5, frame.data(), static_cast<long>(frame.size())), S_OK);
    EXPECT_TRUE(ring.TakeFrameArrived()) << "the ring saw the frame even before a tool started";
    EXPECT_EQ(ring.SlotLength(), 0);

    ring.AcceptFrames();
    EXPECT_EQ(cb.BufferCB(1.0, nullptr, 100), E_POINTER);
    EXPECT_EQ(cb.BufferCB(1.0, frame.data(), static_cast<long>(frame.size())), S_OK);
    const TakenFrame t = ring.Take();
    ASSERT_TRUE(t);
    EXPECT_TRUE(t.IsFullFrame());
    EXPECT_EQ(t.View().Green(3, 4), 200);
    EXPECT_EQ(t.View().Green(0, 0), 7);
    ring.GiveBack();
}

TEST_F(GrabberCallbackTest, SoftwareTurnMirrorsWhatTheRingSeesButNotTheCameraBuffer) {
    FrameRing ring;
    ring.AcceptFrames();
    cb.SetRing(&ring);
    cb.SetSoftwareTurn(true);
    std::vector<uint8_t> frame(kFrameBytes, 0);
    frame[PixelOffset(10, 20) + 1] = 222;
    const std::vector<uint8_t> original = frame;
    ASSERT_EQ(cb.BufferCB(0, frame.data(), static_cast<long>(frame.size())), S_OK);
    EXPECT_EQ(frame, original);
    const TakenFrame t = ring.Take();
    ASSERT_TRUE(t);
    EXPECT_EQ(t.View().Green(629, 459), 222);
    EXPECT_EQ(t.View().Green(10, 20), 0);
    ring.GiveBack();

    // A frame of another size is not turned, and the ring refuses it as always.
    std::vector<uint8_t> small(300, 1);
    EXPECT_EQ(cb.BufferCB(0, small.data(), static_cast<long>(small.size())), S_OK);
    EXPECT_EQ(ring.WrongSizeDrops(), 1u);
}

TEST_F(GrabberCallbackTest, TheSystemSampleGrabberTakesTheCallback) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        ComPtr<ISampleGrabber> grabber;
        ASSERT_EQ(CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ISampleGrabber, PutVoid(grabber)),
                  S_OK);
        EXPECT_EQ(grabber->SetCallback(&cb, 1), S_OK);
        EXPECT_EQ(grabber->SetCallback(nullptr, 1), S_OK);
    }
    CoUninitialize();
}

// Without a camera the synthetic one drives the very same object the grabber would call.
TEST_F(GrabberCallbackTest, TheSyntheticCameraFeedsTheSameCallbackObject) {
    FrameRing ring;
    ring.AcceptFrames();
    cb.SetRing(&ring);
    SteadyClock clock;
    sim::SyntheticCamera camera(
        clock,
        [](const uint8_t* b, long n) {
            GrabberCallback::Instance().BufferCB(0, const_cast<BYTE*>(b), n);
        },
        [](uint64_t) {
            return sim::PenSample{true, 512, 384};
        },
        sim::CameraScene(sim::DefaultProjection(1024, 768), sim::SceneOptions{}));
    camera.Start();
    for (int i = 0; i < 3; ++i) {
        const TakenFrame t = ring.Take();
        ASSERT_TRUE(t);
        const auto spot = FindSpot(t.View(), kWholeFrame, 150, ScanRows::kMouse);
        ring.GiveBack();
        ASSERT_TRUE(spot);
        EXPECT_NEAR(spot->box.Centre().x, 320, 2);
        EXPECT_NEAR(spot->box.Centre().y, 240, 2);
    }
    ring.Shutdown();
    camera.Stop();
}

}  // namespace
}  // namespace halvertone
