// Building the camera graph on a machine without a camera: the failure paths, their texts and
// the message box the user sees, and rebuilds that replace one another.
#include "capture/win32/capture_graph.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace halvertone {
namespace {

const char kNoFind[] = "No camera found. Please check the camera connection.";

class CaptureGraphTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(CaptureGraphTest, WithoutCameraIdsTheNoFindTextIsShownAndTheGraphIsDropped) {
    CaptureGraph graph;
    std::vector<std::string> shown;
    graph.SetErrorSink([&](const std::string& t) { shown.push_back(t); });
    const CameraIds none{};
    EXPECT_EQ(graph.Build(true, none, kNoFind, nullptr), E_FAIL);
    EXPECT_EQ(shown, (std::vector<std::string>{kNoFind}));
    EXPECT_FALSE(graph.GraphCreated());
    EXPECT_EQ(graph.CaptureDevice(), nullptr);

    // The reconnect path: silent, and any number of times.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(graph.Build(false, none, kNoFind, nullptr), E_FAIL);
    EXPECT_EQ(shown.size(), 1u);

    // The language text arrives through a 400-character buffer.
    const std::string longText(600, 'x');
    graph.Build(true, none, longText, nullptr);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], std::string(399, 'x'));
}

TEST_F(CaptureGraphTest, WithIdsButNoVideoDeviceTheResultIsOneAndNothingIsShown) {
    CaptureGraph graph;
    int shown = 0;
    graph.SetErrorSink([&](const std::string&) { ++shown; });
    const CameraIds ids{"046d", "0825", 1};
    EXPECT_EQ(graph.Build(true, ids, kNoFind, nullptr), 1);
    EXPECT_EQ(shown, 0) << "no video input device at all is reported on standard output only";
    EXPECT_EQ(graph.CaptureDevice(), nullptr);
    EXPECT_EQ(graph.Build(true, ids, kNoFind, nullptr), 1) << "a rebuild replaces the graph";
    graph.ReleaseAll();
    EXPECT_FALSE(graph.GraphCreated());
}

// Collects the texts of a message box's static controls.
BOOL CALLBACK CollectStatic(HWND child, LPARAM lp) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        char text[512] = {};
        GetWindowTextA(child, text, sizeof text);
        reinterpret_cast<std::string*>(lp)->append(text);
    }
    return TRUE;
}

TEST_F(CaptureGraphTest, TheDefaultSinkIsATaskModalBoxCaptionedError) {
    std::atomic<bool> stop{false};
    std::string seenText;
    std::atomic<bool> seen{false};
    // Answers the box as a user would; gives up after ten seconds so the test cannot hang.
    std::thread answerer([&] {
        for (int i = 0; i < 1000 && !stop.load(); ++i) {
            HWND box = FindWindowA("#32770", "Error!");
            if (box != nullptr && IsWindowVisible(box)) {
                std::string text;
                EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&text));
                seenText = text;
                seen = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    CaptureGraph graph;
    EXPECT_EQ(graph.Build(true, CameraIds{}, kNoFind, nullptr), E_FAIL);
    stop = true;
    answerer.join();
    ASSERT_TRUE(seen);
    EXPECT_NE(seenText.find(kNoFind), std::string::npos) << seenText;
}

}  // namespace
}  // namespace halvertone
