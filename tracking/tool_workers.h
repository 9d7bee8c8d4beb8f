#pragma once
// The tool worker threads: one each for mouse, pen and eraser, of which one is in charge at a
// time, and the calibration worker. A worker loops while its dispatch flag is set, one frame
// per turn. A switch clears one flag and sets another; the old worker then starts the new
// one (unless it runs) and exits. The mouse, pen and eraser handlers run under the tool-mode
// mutex, which keeps the short overlap of a hand-over from touching the shared state twice.
#include <functional>

#include "base/settings.h"
#include "capture/frame_ring.h"
#include "platform/lockable.h"
#include "platform/thread_starter.h"
#include "tracking/toolbar_view.h"
#include "tracking/calibration_run.h"
#include "tracking/check_environment.h"
#include "tracking/dispatch_flags.h"
#include "tracking/tool_handler.h"
#include "tracking/tracking_state.h"
#include "tracking/worker_running.h"

namespace halvertone {

struct ToolWorkersContext {
    DispatchFlags& flags;
    WorkerRunning& running;
    TrackingState& state;
    CheckEnvironment& checkEnvironment;
    FrameRing& ring;
    const Settings& settings;
    Lockable& toolMutex;
    ThreadStarter& threads;
    ToolbarView& toolbar;
    ToolHandler& mouse;
    ToolHandler& pen;
    ToolHandler& eraser;
};

class ToolWorkers {
  public:
    explicit ToolWorkers(const ToolWorkersContext& context) : c_(context) {}

    // Empties the main window's segment buffer before every worker is created.
    void SetBeforeWorkerStart(std::function<void()> hook) { beforeStart_ = std::move(hook); }

    ToolHandler& Handler(WorkerKind kind);

    // Creates the mouse, pen or eraser worker unless it runs.
    void StartWorker(WorkerKind kind, ThreadPriority priority = ThreadPriority::kNormal);
    // Creates the calibration worker (it has no running flag; its command starts it once).
    bool StartCalibrationWorker(CalibrationRun& run);

    // The worker procedures, as the created threads run them.
    void RunMouseWorker();
    void RunPenWorker() { RunDrawingWorker(WorkerKind::kPen); }
    void RunEraserWorker() { RunDrawingWorker(WorkerKind::kEraser); }
    void RunCalibrationWorker(CalibrationRun& run);

    // One turn of the mouse worker: the environment check's counting while its mode is set,
    // otherwise mouse mode under the mutex.
    void MouseTurn();

  private:
    void Run(WorkerKind kind);
    void RunDrawingWorker(WorkerKind kind);
    void HandlerTurn(ToolHandler& handler);
    bool KeepsRunning(WorkerKind kind) {
        return c_.running.ReleaseUnlessFlagged(kind, c_.flags[kind]);
    }

    ToolWorkersContext c_;
    std::function<void()> beforeStart_;
};

}  // namespace halvertone
