#pragma once
// The ink as the program owns it: the two stroke lists, the live stroke drawn with GDI+
// straight on the screen, the full redraw, the eraser's square and the capture tool's window
// as the eraser reaches it. The pen, the clean flag and the capture tool's state are the
// drawing toolbar's.
#include <functional>

#include "annotation/capture_tool_link.h"
#include "annotation/live_stroke.h"
#include "annotation/pen_attributes.h"
#include "annotation/screen_context.h"
#include "annotation/stroke_list.h"
#include "annotation/stroke_recorder.h"
#include "annotation/stroke_redraw.h"
#include "annotation/win32/win32_capture_tool_window.h"
#include "base/screen_metrics.h"
#include "base/settings.h"
#include "base/shared_value.h"
#include "platform/clock.h"
#include "annotation/ink_toolbar.h"
#include "annotation/win32/gdi_ink_canvas.h"
#include "annotation/win32/win32_eraser_window.h"

namespace halvertone {

struct InkLinks {
    InkToolbar* toolbar = nullptr;
    PenAttributes* pen = nullptr;
    SharedValue<bool>* cleanPending = nullptr;
    const CaptureToolState* captureTool = nullptr;
    std::function<bool()> boardOn;
    kits::KitFunction* strokeKit = nullptr;  // the stroke library's table, null without it
};

struct InkEngine {
    // Every pointer of `links` but the stroke library's is set.
    InkEngine(const Settings& settings, const ScreenMetrics& screenMetrics, const InkLinks& links,
              Clock& clock);
    InkEngine(const InkEngine&) = delete;
    InkEngine& operator=(const InkEngine&) = delete;

    PenAttributes& pen;
    const CaptureToolState& captureTool;
    win32::GdiInkCanvas canvas;
    ScreenContext screen{canvas};
    StrokeLists lists;
    StrokeRecorder recorder;
    LiveStroke live;
    StrokeRedraw redraw;
    win32::Win32EraserWindow eraserWindow;
    win32::Win32CaptureToolWindow captureToolWindow;
};

}  // namespace halvertone
