#include "shell/win32/toolbar_actions.h"

#include "annotation/capture_tool_drawing.h"
#include "annotation/win32/screen_capture_to_file.h"

namespace halvertone {

ToolbarActionSet::ToolbarActionSet(const ToolbarActionParts& parts)
    : p_(parts),
      menus_(parts.resources, parts.text, parts.toolbar->pen, parts.settings->transparency) {}

ToolbarActions ToolbarActionSet::Actions() {
    ToolbarActions a;
    a.buildMenus = [this] { menus_.Build(); };
    a.lineMenu = [this](HWND toolbar, POINT at) { return menus_.PopUpLineMenu(toolbar, at); };
    a.colourMenu = [this](HWND toolbar, POINT at) { return menus_.PopUpColourMenu(toolbar, at); };
    a.menuCommand = [this](int id) {
        if (!menus_.ApplyColourChoice(id)) menus_.ApplyLineChoice(id);
    };
    a.capture = [this] { Capture(); };
    a.ownerDraw = [this](UINT msg, WPARAM, LPARAM lp) { return OwnerDraw(msg, lp); };
    return a;
}

bool ToolbarActionSet::OwnerDraw(UINT msg, LPARAM lp) {
    if (msg == WM_MEASUREITEM)
        return menus_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
    if (msg == WM_DRAWITEM) return menus_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    return false;
}

void ToolbarActionSet::Capture() {
    CDrawToolbarDlg& toolbar = *p_.toolbar;
    InkEngine& ink = *p_.ink;
    // The screen size is read now: a display change may have come since start-up.
    const CaptureToFileLinks links{
        p_.text,
        p_.pictureKit,
        p_.settings->jpegCompressRatio,
        toolbar.cleanPending,
        ink.redraw.ReshowToolbarAfterRedraw,
        [this, &toolbar] {
            return CaptureToolDrawing(p_.settings->captureToolFlag, toolbar.BoardOn(),
                                      static_cast<int32_t>(toolbar.captureTool.drawingState));
        },
        [&ink] { ink.redraw.RedrawStrokes(ink.lists.DesktopStrokes); },
        [&ink] { ink.redraw.RedrawStrokes(ink.lists.CaptureToolStrokes); },
        toolbar.captureTool.window,
        *p_.clock,
        p_.screen->width,
        p_.screen->height};
    CaptureScreenToFile(toolbar, toolbar.Handle(), links);
}

}  // namespace halvertone
