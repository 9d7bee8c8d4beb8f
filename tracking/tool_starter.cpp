#include "tracking/tool_starter.h"

#include "platform/tool_mode.h"

namespace halvertone {

void ToolStarter::StartMouse() {
    c_.toolMode = kToolMouse;
    c_.flags.Select(WorkerKind::kMouse);
    c_.state.outside = false;
    c_.state.penDown = false;
    c_.workers.Handler(WorkerKind::kPen).ResetForToolStart();
    c_.workers.StartWorker(WorkerKind::kMouse);
    c_.ring.AcceptFrames();
}

void ToolStarter::StartPen() {
    c_.toolMode = kToolPen;
    c_.flags.Select(WorkerKind::kPen);
    c_.state.penDown = false;
    c_.state.outside = false;
    c_.workers.Handler(WorkerKind::kPen).ResetForToolStart();
    c_.workers.StartWorker(WorkerKind::kPen, ThreadPriority::kHighest);
    c_.ring.AcceptFrames();
}

void ToolStarter::StartEraser() {
    c_.toolMode = kToolEraser;
    c_.flags.Select(WorkerKind::kEraser);
    c_.state.penDown = false;
    c_.workers.Handler(WorkerKind::kEraser).ResetForToolStart();
    c_.workers.StartWorker(WorkerKind::kEraser);
    c_.ring.AcceptFrames();
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
