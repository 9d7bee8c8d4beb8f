#pragma once
// The camera view: a resizable window with the live camera picture and what the trackers make
// of it, and the frame path's figures. It reads the frames the capture path copies for it at
// a low rate, so the trackers never wait for it.
#include <cstdint>
#include <vector>

#include "base/settings.h"
#include "calibration/screen_mapping.h"
#include "capture/frame_ring.h"
#include "capture/frame_snapshot.h"
#include "platform/clock.h"
#include "platform/profile_store.h"
#include "platform/win32/dialog_window.h"

namespace halvertone {

struct CameraViewContext {
    HINSTANCE resources = nullptr;
    ProfileStore& language;
    const Settings& settings;
    const ScreenMapping& mapping;
    const FrameRing& ring;
    FrameSnapshot& snapshot;
    const Clock& clock;
};

class CameraViewWindow final : public DialogWindow {
  public:
    static constexpr int kPictureTimer = 1;
    static constexpr uint32_t kPictureMs = 200;
    static constexpr int kFiguresTimer = 2;
    static constexpr uint32_t kFiguresMs = 1000;
    // The strip under the picture that carries the figures, in pixels.
    static constexpr int kFiguresStrip = 24;
    // Every this many figure periods the figures also go to the program log.
    static constexpr int kLogEvery = 5;

    explicit CameraViewWindow(const CameraViewContext& context) : c_(context) {}

    // Creates the window the first time; shows it and brings it to the front.
    void Open();

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;
    void OnTimer(int id) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void Close();
    void FitPicture();
    void RefreshPicture();
    void RefreshFigures();
    void Paint();
    void LogFigures() const;

    CameraViewContext c_;
    std::vector<uint8_t> frame_;
    std::vector<uint8_t> picture_;
    uint64_t shownNumber_ = 0;
    FrameCounts lastCounts_;
    uint64_t lastCountsMs_ = 0;
    FrameFigures figures_;
    int periods_ = 0;
};

}  // namespace halvertone
