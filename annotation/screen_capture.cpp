#include "annotation/screen_capture.h"

#include "tracking/tool_mode.h"

namespace halvertone {
namespace {

// Puts the strokes back on the screen before the grab, so that the picture holds them even
// when something painted over them since they were drawn.
void ReplayBeforeGrab(CapturePlatform& platform, Clock& clock) {
    platform.SetReplayShowsToolbar(false);
    if (platform.CaptureToolDrawing()) {
        platform.ReplayCaptureToolStrokes();
    } else {
        platform.RepaintDesktop();
        clock.SleepMs(100);
        platform.ReplayDesktopStrokes();
    }
    platform.SetReplayShowsToolbar(true);
    clock.SleepMs(500);
}

// Waits, within a limit, for a keyboard that was just started to put up its window.
void WaitForKeyboard(OnScreenKeyboard& keyboard, Clock& clock) {
    const uint64_t start = clock.NowMs();
    while (!keyboard.IsOpen() && clock.NowMs() - start < kKeyboardWaitLimitMs)
        clock.SleepMs(kKeyboardPollMs);
}

}  // namespace

void RunScreenCapture(ToolbarForCapture& toolbar, CapturePlatform& platform,
                      OnScreenKeyboard& keyboard, Clock& clock, CaptureFlags flags) {
    const int32_t previousTool = toolbar.ToolMode();
    bool startedKeyboard = false;
    toolbar.SetActionRunning(true);
    toolbar.Hide();
    clock.SleepMs(100);

    const bool board = toolbar.BoardOn();
    if (board) {
        platform.NotifyCaptureTool(0);
        clock.SleepMs(300);
        if (!flags.cleanPending) ReplayBeforeGrab(platform, clock);
    }
    platform.Grab();
    if (board) platform.NotifyCaptureTool(1);
    toolbar.Show();

    const std::string filter = platform.FilterText();
    if (!keyboard.IsOpen()) {
        keyboard.Open();
        startedKeyboard = true;
        WaitForKeyboard(keyboard, clock);
    }

    toolbar.SetActionRunning(false);
    toolbar.SelectTool(kToolMouse);
    toolbar.SetPopupOpen(false);

    const std::string name = DefaultCaptureName(platform.Now());
    toolbar.SetPopupOpen(true);
    flags.modalUiActive = 1;
    if (std::optional<SaveChoice> choice = platform.AskSavePath(name, filter)) {
        const CaptureFileType type = FileTypeForFilter(choice->filterIndex);
        // Strokes that did not reach a file stay recorded, so a redraw can still show them.
        if (platform.SaveGrab(CapturePath(choice->path, choice->filterIndex), type.format))
            flags.cleanPending = true;
        if (startedKeyboard) keyboard.Close();
    } else {
        if (startedKeyboard) {
            keyboard.Close();
            clock.SleepMs(400);
        }
        if (previousTool != toolbar.ToolMode()) toolbar.SelectTool(previousTool);
        if (previousTool != kToolMouse && !flags.cleanPending) {
            clock.SleepMs(600);
            toolbar.Redraw();
        }
    }

    platform.ReleaseGrab();
    toolbar.SetPopupOpen(false);
    flags.modalUiActive = 0;
}

}  // namespace halvertone
