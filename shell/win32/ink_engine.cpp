#include "shell/win32/ink_engine.h"

#include "annotation/capture_tool_drawing.h"

namespace halvertone {

InkEngine::InkEngine(const Settings& settings, const ScreenMetrics& screenMetrics,
                     const InkLinks& links, Clock& clock)
    : pen(*links.pen),
      captureTool(*links.captureTool),
      canvas(screenMetrics, links.strokeKit),
      recorder(lists, *links.cleanPending, *links.toolbar,
               [this, &settings, boardOn = links.boardOn] {
                   return CaptureToolDrawing(settings.captureToolFlag, boardOn(),
                                             static_cast<int32_t>(captureTool.drawingState));
               }),
      live(screen, pen, settings, recorder),
      redraw(screen, *links.toolbar, clock) {}

}  // namespace halvertone
