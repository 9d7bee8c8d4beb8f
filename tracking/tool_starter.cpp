#include "tracking/tool_starter.h"

#include "tracking/tool_mode.h"

namespace halvertone {

// One row of the start operations: the tool, its worker, whether the outside flag is
// cleared, whose per-stroke state is reset, and the worker's priority.
struct StartRow {
    int32_t toolMode;
    WorkerKind worker;
    bool clearsOutside;
    WorkerKind resetsHandler;
    ThreadPriority priority;
};

namespace {

// The mouse start also resets the pen handler's per-frame state.
constexpr StartRow kMouseRow{kToolMouse, WorkerKind::kMouse, true, WorkerKind::kPen,
                             ThreadPriority::kNormal};
constexpr StartRow kPenRow{kToolPen, WorkerKind::kPen, true, WorkerKind::kPen,
                           ThreadPriority::kHighest};
constexpr StartRow kEraserRow{kToolEraser, WorkerKind::kEraser, false, WorkerKind::kEraser,
                              ThreadPriority::kNormal};

}  // namespace

void ToolStarter::Run(const StartRow& row) {
    c_.toolMode = row.toolMode;
    c_.flags.Select(row.worker);
    c_.state.penDown = false;
    if (row.clearsOutside) c_.state.outside = false;
    c_.workers.Handler(row.resetsHandler).ResetForToolStart();
    c_.workers.StartWorker(row.worker, row.priority);
    c_.ring.AcceptFrames();
}

void ToolStarter::StartMouse() {
    Run(kMouseRow);
}
void ToolStarter::StartPen() {
    Run(kPenRow);
}
void ToolStarter::StartEraser() {
    Run(kEraserRow);
}

void ToolStarter::Start(int32_t toolMode) {
    switch (toolMode) {
        case kToolMouse:
            return StartMouse();
        case kToolPen:
            return StartPen();
        case kToolEraser:
            return StartEraser();
        default:
            return;
    }
}

void ToolStarter::StopForDisplayChange() {
    c_.flags.ClearAll();
    c_.state.outside = false;
    c_.state.penDown = false;
    c_.clock.SleepMs(kDisplayChangeWaitMs);
}

void ToolStarter::DisplayChange(const std::function<void()>& rebuild, ToolbarView& toolbar) {
    StopForDisplayChange();
    rebuild();
    toolbar.SelectTool(kCurrentTool);
}

}  // namespace halvertone
