#include "shell/win32/ink_engine.h"

#include "annotation/capture_tool_drawing.h"

namespace halvertone {

InkEngine::InkEngine(const Settings& settings, const ScreenMetrics& screenMetrics,
                     kits::KitFunction* strokeKit, InkToolbar& toolbar, Clock& clock)
    : canvas(screenMetrics, strokeKit),
      recorder(lists, cleanPending, toolbar,
               [this, &settings] {
                   return CaptureToolDrawing(settings.captureToolFlag, boardToggle,
                                             static_cast<int32_t>(captureTool.drawingState));
               }),
      live(screen, pen, settings, recorder),
      redraw(screen, toolbar, clock) {
    pen.colour = settings.penColor;
    pen.width = settings.penWidth;
    pen.highlighter = settings.transparency != 0;
}

}  // namespace halvertone
