// The program's capture graph against the virtual webcam: found by its ids among others,
// frames of the pen arriving through DirectShow, the formats the graph connects under Wine,
// and the picture turned through the extension unit's register writes.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "capture/camera_image_turn.h"
#include "capture/frame_ring.h"
#include "capture/win32/capture_graph.h"
#include "capture/win32/grabber_callback.h"
#include "capture/win32/ks_register_bridge.h"
#include "plugged_webcam.h"

namespace halvertone {
namespace {

using testing::PluggedWebcam;

const char kNoFind[] = "no camera";

struct Sighting {
    double x = -1, y = -1;  // centre of the saturated pixels, picture rows from the top
    int peak = 0;
    double mean = 0;
};

class VirtualWebcamTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ring_.AcceptFrames();
        GrabberCallback::Instance().SetRing(&ring_);
        graph_.SetErrorSink([this](const std::string& t) { shown_.push_back(t); });
    }
    void TearDown() override {
        ring_.Shutdown();
        graph_.ReleaseAll();
        GrabberCallback::Instance().SetRing(nullptr);
        CoUninitialize();
    }

    // The saturated spot of a frame delivered after `skip` others; nothing seen in 3 s gives
    // peak 0.
    Sighting Look(int skip = 0) {
        Sighting s;
        for (int i = 0; i <= skip; ++i) {
            ring_.ClearFrameArrived();
            const DWORD start = GetTickCount();
            while (!ring_.FrameArrived() && GetTickCount() - start < 3000) Sleep(5);
            if (!ring_.FrameArrived()) return Sighting{};
            TakenFrame f = ring_.Take();
            if (!f) return Sighting{};
            if (i == skip && f.IsFullFrame()) {
                double sum = 0, sx = 0, sy = 0;
                int saturated = 0;
                for (int y = 0; y < kFrameHeight; ++y)
                    for (int x = 0; x < kFrameWidth; ++x) {
                        const int v = f.bytes[PixelOffset(x, y)];
                        sum += v;
                        s.peak = std::max(s.peak, v);
                        if (v < 255) continue;
                        ++saturated;
                        sx += x;
                        sy += y;
                    }
                s.mean = sum / (kFrameWidth * kFrameHeight);
                if (saturated > 0) {
                    s.x = sx / saturated;
                    s.y = sy / saturated;
                }
            }
            ring_.GiveBack();
        }
        return s;
    }

    FrameRing ring_;
    CaptureGraph graph_;
    std::vector<std::string> shown_;
};

TEST_F(VirtualWebcamTest, TheConfiguredCameraIsFoundByItsIdsAndDeliversThePen) {
    // The pens near the left and right edges of the screen.
    PluggedWebcam left("Virtual Left", "1d6b", "0102", "PenScript=pen.txt\n");
    left.Directory().Write("pen.txt", "0 down 100 380\n");
    PluggedWebcam right("Virtual Right", "1d6b", "0103", "PenScript=pen.txt\n");
    right.Directory().Write("pen.txt", "0 down 900 380\n");

    EXPECT_EQ(graph_.Build(true, CameraIds{"1D6B", "0103", 1}, kNoFind, nullptr), 0);
    EXPECT_TRUE(shown_.empty()) << shown_.front();
    EXPECT_EQ(graph_.FrameWidth(), 640);
    EXPECT_EQ(graph_.FrameHeight(), 480);
    const Sighting s = Look();
    EXPECT_EQ(s.peak, 255) << "a saturated pen spot";
    EXPECT_GT(s.x, 400) << "the right-hand camera's pen";
    EXPECT_LT(s.mean, 40) << "a mostly dark picture";

    EXPECT_EQ(graph_.Build(true, CameraIds{"1d6b", "0104", 1}, kNoFind, nullptr), E_FAIL);
    EXPECT_EQ(shown_, std::vector<std::string>{kNoFind});
}

// The program asks the pin for 640 x 480, RGB24 first: a camera that offers it connects at that
// size whatever its default. Under Wine 8 no decoder turns YUY2 into the grabber's RGB24 (the
// AVI Decompressor finds no codec), so a YUY2-only camera cannot connect there.
TEST_F(VirtualWebcamTest, TheGraphAsksFor640x480AndConnectsIt) {
    for (const char* formats : {"RGB24 640x480, YUY2 640x480", "RGB24 1280x720, RGB24 640x480",
                                "YUY2 640x480, RGB24 640x480", "YUY2 1280x720, RGB24 640x480"}) {
        PluggedWebcam camera("Virtual Format", "1d6b", "0105", std::string("Formats=") + formats);
        ASSERT_EQ(graph_.Build(false, CameraIds{"1d6b", "0105", 1}, kNoFind, nullptr), 0)
            << formats;
        EXPECT_EQ(graph_.FrameWidth(), 640) << formats;
        EXPECT_EQ(graph_.FrameHeight(), 480) << formats;
        graph_.ReleaseAll();
    }
    PluggedWebcam yuy2("Virtual Format", "1d6b", "0105", "Formats=YUY2 640x480");
    EXPECT_NE(graph_.Build(false, CameraIds{"1d6b", "0105", 1}, kNoFind, nullptr), 0);
    graph_.ReleaseAll();
    PluggedWebcam large("Virtual Format", "1d6b", "0105", "Formats=RGB24 1280x720");
    EXPECT_EQ(graph_.Build(false, CameraIds{"1d6b", "0105", 1}, kNoFind, nullptr), kWrongFrameSize);
    graph_.ReleaseAll();
}

TEST_F(VirtualWebcamTest, TheTurnIsTheDescribedRegisterSequenceAndTurnsThePicture) {
    PluggedWebcam camera("Virtual Turn", "1d6b", "0106",
                         "PenScript=pen.txt\nRegisterLog=turn.log\n");
    camera.Directory().Write("pen.txt", "0 down 200 200\n");
    ASSERT_EQ(graph_.Build(false, CameraIds{"1d6b", "0106", 1}, kNoFind, nullptr), 0);
    const Sighting upright = Look();
    ASSERT_EQ(upright.peak, 255);

    KsRegisterBridge bridge(graph_.CaptureDevice());
    EXPECT_TRUE(SendCameraImageTurn(bridge, CameraTurnValue(1)));
    const Sighting turned = Look(3);
    EXPECT_NEAR(turned.x, 639 - upright.x, 1.5);
    EXPECT_NEAR(turned.y, 479 - upright.y, 1.5);

    std::ostringstream expected;
    for (const char* w : {"10D9 01", "10D8 01", "10D0 A0", "10D1 21", "10D2 1E", "10D3 00",
                          "10D4 00", "10D5 00", "10D6 00", "10D7 10"})
        expected << "w " << w << '\n';
    expected << "r 10D0\n";
    EXPECT_EQ(camera.Directory().Read("turn.log"), expected.str());
}

}  // namespace
}  // namespace halvertone
