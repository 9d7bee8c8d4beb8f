#include "shell/win32/tracking_engine.h"

namespace halvertone {
namespace {

InputSink& ChooseInput(InputSink& system, std::unique_ptr<CursorLogSink>& logging) {
    if (logging) return *logging;
    return system;
}

}  // namespace

TrackingEngine::TrackingEngine(const Settings& settings, const ScreenMetrics& screen,
                               const ScreenMapping& mapping, HWND mainWindow,
                               const std::string& cursorLogPath, ToolbarView& toolbar,
                               SharedValue<int32_t>& toolMode)
    : toolbar(toolbar),
      cursorLog_(cursorLogPath.empty() ? std::ofstream() : std::ofstream(cursorLogPath)),
      loggingInput_(cursorLog_.is_open()
                        ? std::make_unique<CursorLogSink>(systemInput_, cursor, clock, cursorLog_)
                        : nullptr),
      mainTimer_(mainWindow),
      input(ChooseInput(systemInput_, loggingInput_)),
      mouse(MouseModeContext{ring, mapping, settings, state, flags, toolbar, mainTimer_,
                             MouseOutput{input, cursor, screen, clock}}),
      workers(ToolWorkersContext{flags, running, state, checkEnvironment, ring, settings, toolMutex,
                                 threads, toolbar, mouse, pen, eraser}),
      starter(ToolStarterContext{flags, state, toolMode, workers, ring, clock}),
      holdTimer(state, toolbar, input, cursor) {}

}  // namespace halvertone
