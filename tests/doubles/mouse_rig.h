#pragma once
// Mouse mode on simulated parts, in virtual time: a calibrated mapping in which one camera
// pixel maps to any screen position wanted, real frames with a light spot pushed through a
// real FrameRing, a recording input sink, a simulated cursor, a fake toolbar and timers.
// Used by tests, benchmarks and the replay command of the diagnostics tool.
#include <cstdint>

#include "base/calibration_grid.h"
#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/screen_mapping.h"
#include "capture/frame_ring.h"
#include "doubles/fake_toolbar.h"
#include "simulator/frame_painter.h"
#include "doubles/input_recorder.h"
#include "doubles/sim_cursor.h"
#include "doubles/virtual_clock.h"
#include "doubles/virtual_timers.h"
#include "tracking/dispatch_flags.h"
#include "tracking/hold_timer.h"
#include "tracking/mouse_mode.h"
#include "tracking/tracking_state.h"

namespace halvertone::sim {

class MouseRig {
  public:
    // The camera pixel whose table entry is set to the wanted screen position.
    static constexpr PixelPoint kSpotPixel{320, 240};

    // Mouse mode sends to the recorder and reads the simulated cursor.
    MouseRig();
    // Mouse mode sends to `sink` and reads `cursorPort` (the real system's, for example).
    MouseRig(InputSink& sink, CursorPosition& cursorPort);

    // The calibrated outline: (80, 60) .. (560, 420) with the left side bulging out to x = 60
    // at the middle, so that just left of the top-left corner lies a pixel in no zone.
    static CalibrationGrid Lattice();
    // A camera pixel outside the outline with the given off-screen class (0..3).
    static PixelPoint OffScreenPixel(int32_t outsideClass);

    // Fills a ring slot with a frame whose spot maps to screen (x, y) / lies off the screen
    // with the given class / without a spot. A slot must be free (the handler takes each).
    void PushSpot(int32_t x, int32_t y);
    void PushOffScreen(int32_t outsideClass);
    void PushNone();
    void PushSpotAtPixel(PixelPoint camera);

    // Push and handle one frame.
    int SpotFrame(int32_t x, int32_t y);
    int OffScreenFrame(int32_t outsideClass);
    int NoSpotFrame();

    VirtualClock clock;
    ScreenMetrics screen;
    Settings settings;
    ScreenMapping mapping;
    FrameRing ring;
    TrackingState state;
    DispatchFlags flags;
    FakeToolbar toolbar;
    SimCursor cursor;
    InputRecorder input{clock, cursor, screen};
    VirtualTimers timers{clock};
    MouseMode mouse;
    HoldTimer holdTimer;

  private:
    FramePainter painter_;
    PixelPoint lit_{-1, -1};
};

}  // namespace halvertone::sim
