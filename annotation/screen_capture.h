#pragma once
// Saving the whole screen, with the strokes on it, as an image file: the grab with the
// toolbar hidden, the save dialog with a time-stamped name and the on-screen keyboard beside
// it, and what the toolbar looks like afterwards.
#include <cstdint>
#include <optional>
#include <string>

#include "annotation/capture_file_rules.h"
#include "annotation/toolbar_for_capture.h"
#include "base/shared_value.h"
#include "platform/clock.h"
#include "platform/on_screen_keyboard.h"

namespace halvertone {

// What the user answered in the save dialog.
struct SaveChoice {
    std::string path;
    uint32_t filterIndex = 0;  // counted from 1
};

// The platform's side of a capture.
class CapturePlatform {
  public:
    virtual ~CapturePlatform() = default;

    // Grabs the screen as it is now and holds the picture until ReleaseGrab.
    virtual void Grab() = 0;
    // Writes the held picture to `path`; false when nothing was written (no picture, or the
    // file could not be written).
    virtual bool SaveGrab(const std::string& path, CaptureFormat format) = 0;
    virtual void ReleaseGrab() = 0;

    // "Tarnwick Screen Draw" code 6 to the capture tool's window: 0 before the grab, 1 after.
    virtual void NotifyCaptureTool(int32_t value) = 0;

    // The stroke replay: which list is in use, and whether a replay shows the toolbar again.
    virtual bool CaptureToolDrawing() const = 0;
    virtual void SetReplayShowsToolbar(bool on) = 0;
    virtual void ReplayCaptureToolStrokes() = 0;
    virtual void ReplayDesktopStrokes() = 0;
    virtual void RepaintDesktop() = 0;

    // The language file's filter text ("description|pattern|...").
    virtual std::string FilterText() = 0;
    virtual LocalTime Now() const = 0;
    // The save-as dialog proposing `defaultName`; none when the user cancels.
    virtual std::optional<SaveChoice> AskSavePath(const std::string& defaultName,
                                                  const std::string& filterText) = 0;
};

// The flags a capture sets and reads besides the toolbar's own.
struct CaptureFlags {
    SharedValue<bool>& cleanPending;  // the recorded strokes go at the next pen stroke
    SharedValue<int>& modalUiActive;
};

// How long the capture waits for a keyboard it started to show its window, and how often it
// looks: a system without one must not hang the toolbar.
inline constexpr uint32_t kKeyboardWaitLimitMs = 5000;
inline constexpr uint32_t kKeyboardPollMs = 100;

// The toolbar's screen-capture command, start to end. Runs on the interface thread and
// blocks it through its waits.
void RunScreenCapture(ToolbarForCapture& toolbar, CapturePlatform& platform,
                      OnScreenKeyboard& keyboard, Clock& clock, CaptureFlags flags);

}  // namespace halvertone
