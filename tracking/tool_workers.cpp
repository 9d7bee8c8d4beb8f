#include "tracking/tool_workers.h"

#include <mutex>

#include "tracking/tool_mode.h"
#include "tracking/frame_lease.h"
#include "tracking/spot_finder.h"

namespace halvertone {

ToolHandler& ToolWorkers::Handler(WorkerKind kind) {
    switch (kind) {
        case WorkerKind::kPen:
            return c_.pen;
        case WorkerKind::kEraser:
            return c_.eraser;
        default:
            return c_.mouse;
    }
}

void ToolWorkers::StartWorker(WorkerKind kind, ThreadPriority priority) {
    if (kind == WorkerKind::kCalibration || !c_.running.Claim(kind)) return;
    if (beforeStart_) beforeStart_();
    if (!c_.threads.Start(kind, priority, [this, kind] { Run(kind); })) c_.running.Release(kind);
}

bool ToolWorkers::StartCalibrationWorker(CalibrationRun& run) {
    return c_.threads.Start(WorkerKind::kCalibration, ThreadPriority::kNormal,
                            [this, &run] { RunCalibrationWorker(run); });
}

void ToolWorkers::Run(WorkerKind kind) {
    if (kind == WorkerKind::kMouse)
        RunMouseWorker();
    else
        RunDrawingWorker(kind);
}

void ToolWorkers::HandlerTurn(ToolHandler& handler) {
    std::lock_guard lock(c_.toolMutex);
    handler.OnFrame();
}

void ToolWorkers::MouseTurn() {
    if (c_.checkEnvironment.mode) {
        FrameLease lease(c_.ring);
        if (!lease) return;
        const TakenFrame& f = lease.Frame();
        c_.checkEnvironment.CountFrame(f.IsFullFrame() &&
                                       BrightPixelPresent(f.View(), c_.settings.checkEnvThreshold));
        return;
    }
    HandlerTurn(c_.mouse);
}

void ToolWorkers::RunMouseWorker() {
    c_.state.glideNextPress = true;
    do {
        while (c_.flags.Mouse()) {
            MouseTurn();
            if (c_.flags.Eraser())
                StartWorker(WorkerKind::kEraser);
            else if (c_.flags.Pen())
                StartWorker(WorkerKind::kPen);
        }
    } while (KeepsRunning(WorkerKind::kMouse));
}

void ToolWorkers::RunDrawingWorker(WorkerKind kind) {
    ToolHandler& handler = Handler(kind);
    do {
        while (c_.flags[kind]) {
            HandlerTurn(handler);
            if (c_.flags.Mouse()) StartWorker(WorkerKind::kMouse);
        }
    } while (KeepsRunning(kind));
}

void ToolWorkers::RunCalibrationWorker(CalibrationRun& run) {
    run.RepaintDesktop();
    while (c_.flags.Calibration() && !run.Done()) run.Turn();
    run.RepaintDesktop();
    // The toolbar's selection also clears the calibration flag and restarts the tool chosen
    // before the calibration.
    c_.toolbar.SelectTool(kCurrentTool);
}

}  // namespace halvertone
