#pragma once
// What lies behind the toolbar's menu and capture buttons: the pen colour and line menus and
// the screen capture to a file, joined to the toolbar's pen and the program's ink.
#include <windows.h>

#include "annotation/win32/draw_toolbar_dlg.h"
#include "annotation/win32/pen_menus.h"
#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/text_lookup.h"
#include "platform/clock.h"
#include "platform/win32/kit_interface.h"
#include "shell/win32/ink_engine.h"

namespace halvertone {

struct ToolbarActionParts {
    HINSTANCE resources = nullptr;
    TextLookup text;
    Settings* settings = nullptr;
    const ScreenMetrics* screen = nullptr;
    kits::KitFunction* pictureKit = nullptr;  // null: captures write nothing
    CDrawToolbarDlg* toolbar = nullptr;
    InkEngine* ink = nullptr;
    Clock* clock = nullptr;
};

class ToolbarActionSet {
  public:
    explicit ToolbarActionSet(const ToolbarActionParts& parts);
    ToolbarActionSet(const ToolbarActionSet&) = delete;
    ToolbarActionSet& operator=(const ToolbarActionSet&) = delete;

    // Hooks for the toolbar; they use this object, which must outlive the toolbar.
    ToolbarActions Actions();

  private:
    void Capture();
    bool OwnerDraw(UINT msg, LPARAM lp);

    ToolbarActionParts p_;
    PenMenus menus_;
};

}  // namespace halvertone
