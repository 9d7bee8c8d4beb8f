#pragma once
// What the screen capture to file needs from the drawing toolbar: it hides and shows the
// toolbar around the grab, keeps mouse mode in charge while its dialog is up, and gives the
// previous tool back when the user cancels.
#include <cstdint>

namespace halvertone {

class ToolbarForCapture {
  public:
    virtual ~ToolbarForCapture() = default;
    virtual int32_t ToolMode() const = 0;  // a ToolMode value
    virtual void SelectTool(int32_t id) = 0;
    virtual void Hide() = 0;
    virtual void Show() = 0;
    // The board toggle is on (the capture tool runs).
    virtual bool BoardOn() const = 0;
    // Read by mouse mode: the capture or keyboard command is running.
    virtual void SetActionRunning(bool running) = 0;
    // A popup menu, a dialog or a redraw of the toolbar is in progress.
    virtual void SetPopupOpen(bool open) = 0;
    // The toolbar's "RedrawScreen" command.
    virtual void Redraw() = 0;
};

}  // namespace halvertone
