#include "shell/win32/tracking_engine.h"

namespace halvertone {

DrawingToolContext TrackingEngine::DrawingTool(const ScreenMapping& mapping,
                                               const Settings& settings,
                                               const ScreenMetrics& screen) {
    return DrawingToolContext{
        ring, mapping, settings, state, flags, toolbar, MouseOutput{input, cursor, screen, clock}};
}

TrackingEngine::TrackingEngine(const Settings& settings, const ScreenMetrics& screen,
                               const ScreenMapping& mapping, HWND mainWindow, ToolbarView& toolbar,
                               SharedValue<int32_t>& toolMode, const InkLinks& inkLinks)
    : toolbar(toolbar),
      mainTimer_(mainWindow),
      input(systemInput_),
      mouse(MouseModeContext{ring, mapping, settings, state, flags, toolbar, mainTimer_,
                             MouseOutput{input, cursor, screen, clock}}),
      ink(settings, screen, inkLinks, clock),
      pen(DrawingTool(mapping, settings, screen),
          PenStrokeParts{ink.screen, ink.pen, ink.recorder, ink.live}),
      eraser(DrawingTool(mapping, settings, screen),
             EraserParts{ink.pen, ink.recorder, ink.eraserWindow, ink.captureTool,
                         ink.captureToolWindow}),
      workers(ToolWorkersContext{flags, running, state, checkEnvironment, ring, settings, toolMutex,
                                 threads, toolbar, mouse, pen, eraser}),
      starter(ToolStarterContext{flags, state, toolMode, workers, ring, clock}),
      holdTimer(state, toolbar, input, cursor) {
    // A new worker must not join its first piece to points left from the last stroke.
    workers.SetBeforeWorkerStart([this] { ink.live.Buffer().Reset(); });
}

}  // namespace halvertone
