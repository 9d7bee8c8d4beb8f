#pragma once
// What the trackers see of the drawing toolbar and the two operations they call on it.
// Read from worker threads while the interface thread changes it, so an implementation keeps
// every value safe to read concurrently.
#include <cstdint>

#include "base/pixel_rect.h"

namespace halvertone {

class ToolbarView {
  public:
    virtual ~ToolbarView() = default;
    virtual bool Visible() const = 0;
    // Screen pixels, right and bottom exclusive.
    virtual PixelRect WindowRect() const = 0;
    virtual int32_t ToolMode() const = 0;  // a ToolMode value
    // A popup menu, a dialog or a redraw of the toolbar is in progress.
    virtual bool PopupOpen() const = 0;
    // The screen-capture or on-screen-keyboard command is running.
    virtual bool ActionRunning() const = 0;

    // Edge gesture code from mouse mode: 1 left strip, 3 right strip; 2 is ignored.
    virtual void SideCommand(int32_t code) = 0;
    // A ToolMode value, or kCurrentTool to re-run the current tool's selection.
    virtual void SelectTool(int32_t id) = 0;
};

}  // namespace halvertone
