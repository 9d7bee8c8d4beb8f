#pragma once
// The road of a frame as the main window owns it: the frame ring, the dispatch and running
// flags, the per-frame tracking state, the tool-mode mutex "Tarnwick Mutex", mouse mode with
// its hold timer, the tool workers and their start operations, on the real input, cursor and
// threads of the system.
#include <windows.h>

#include "annotation/eraser_mode.h"
#include "annotation/pen_mode.h"
#include "calibration/screen_mapping.h"
#include "capture/frame_ring.h"
#include "platform/clock.h"
#include "platform/toolbar_view.h"
#include "platform/win32/named_mutex.h"
#include "platform/win32/send_input_sink.h"
#include "platform/win32/system_cursor.h"
#include "platform/win32/window_timer.h"
#include "platform/win32/worker_thread_starter.h"
#include "shell/screen_metrics.h"
#include "shell/settings.h"
#include "shell/win32/ink_engine.h"
#include "tracking/check_environment.h"
#include "tracking/dispatch_flags.h"
#include "tracking/hold_timer.h"
#include "tracking/mouse_mode.h"
#include "tracking/tool_starter.h"
#include "tracking/tool_workers.h"
#include "tracking/tracking_state.h"
#include "tracking/worker_running.h"

namespace halvertone {

class TrackingEngine {
  public:
    // `mainWindow` carries the hold timer. `toolbar` is the
    // drawing toolbar and `toolMode` its ToolMode, which the start operations write; `ink`
    // links the ink to the toolbar's pen and flags.
    TrackingEngine(const Settings& settings, const ScreenMetrics& screen,
                   const ScreenMapping& mapping, HWND mainWindow, ToolbarView& toolbar,
                   SharedValue<int32_t>& toolMode, const InkLinks& ink);
    TrackingEngine(const TrackingEngine&) = delete;
    TrackingEngine& operator=(const TrackingEngine&) = delete;

    SteadyClock clock;
    FrameRing ring;
    DispatchFlags flags;
    WorkerRunning running;
    TrackingState state;
    CheckEnvironment checkEnvironment;
    win32::NamedMutex toolMutex{win32::kToolModeMutexName};
    win32::WorkerThreadStarter threads;
    win32::SystemCursor cursor;
    ToolbarView& toolbar;

  private:
    DrawingToolContext DrawingTool(const ScreenMapping& mapping, const Settings& settings,
                                   const ScreenMetrics& screen);

    win32::SendInputSink systemInput_;
    win32::Win32WindowTimer mainTimer_;

  public:
    InputSink& input;
    MouseMode mouse;
    InkEngine ink;
    PenMode pen;
    EraserMode eraser;
    ToolWorkers workers;
    ToolStarter starter;
    HoldTimer holdTimer;
};

}  // namespace halvertone
