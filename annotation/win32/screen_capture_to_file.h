#pragma once
// The toolbar's screen-capture command on Windows: the display grabbed into a bitmap, the
// save-as dialog with the language file's filter, the system's on-screen keyboard beside it,
// and the file written through the image library.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "annotation/toolbar_for_capture.h"
#include "base/shared_value.h"
#include "calibration/text_lookup.h"
#include "platform/clock.h"
#include "platform/on_screen_keyboard.h"
#include "platform/win32/kit_interface.h"

namespace halvertone {

// What the capture reaches besides the toolbar. The stroke hooks may be empty (nothing is
// replayed then).
struct CaptureToFileLinks {
    TextLookup text;                          // the language file
    kits::KitFunction* pictureKit;            // the image library's table; null: nothing is written
    const SharedValue<int32_t>& jpegQuality;  // "JPEG Compress Ratio"
    SharedValue<bool>& cleanPending;
    // The stroke replay's toolbar-refresh flag (StrokeRedraw::ReshowToolbarAfterRedraw).
    SharedValue<bool>& replayShowsToolbar;
    std::function<bool()> captureToolDrawing;
    std::function<void()> replayDesktopStrokes;
    std::function<void()> replayCaptureToolStrokes;
    const SharedValue<uintptr_t>& captureToolWindow;  // last reported with code 4; 0 for none
    Clock& clock;
    int32_t screenWidth;
    int32_t screenHeight;
};

// Runs the whole capture on the interface thread (modal save dialog included).
void CaptureScreenToFile(ToolbarForCapture& toolbar, HWND owner, const CaptureToFileLinks& links);
// The same with another keyboard than the system's.
void CaptureScreenToFile(ToolbarForCapture& toolbar, HWND owner, const CaptureToFileLinks& links,
                         OnScreenKeyboard& keyboard);

}  // namespace halvertone
