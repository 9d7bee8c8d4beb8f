#pragma once
// The drawing toolbar's pen colour and line menus: built once from menu 172 with the owner-
// drawn swatches and bars, popped up at a point by the toolbar, and drawn when the toolbar
// passes on the menus' measure and draw messages. A choice is applied to the pen at once.
#include <windows.h>

#include "annotation/pen_attributes.h"
#include "annotation/pen_menu_choices.h"
#include "annotation/win32/line_width_dialog.h"
#include "annotation/win32/system_colour_dialog.h"
#include "base/shared_value.h"
#include "calibration/text_lookup.h"

namespace halvertone {

class PenMenus {
  public:
    // `transparency` is the "Transparency" setting, flipped together with the highlighter.
    PenMenus(HINSTANCE resources, TextLookup text, PenAttributes& pen,
             SharedValue<int32_t>& transparency);
    ~PenMenus();
    PenMenus(const PenMenus&) = delete;
    PenMenus& operator=(const PenMenus&) = delete;

    // Loads the menus and fills them in; once, when the toolbar initialises.
    void Build();

    // Tracks the menu at `at` (screen pixels, the menu opening leftward) owned by `toolbar`,
    // and applies the choice. Returns the command chosen, or 0.
    int PopUpLineMenu(HWND toolbar, POINT at);
    int PopUpColourMenu(HWND toolbar, POINT at);

    // A command of either menu, as the popups apply it; false for another id.
    bool ApplyColourChoice(int id);
    bool ApplyLineChoice(int id);

    // The toolbar's WM_MEASUREITEM and WM_DRAWITEM; true when the item was one of ours.
    bool OnMeasureItem(MEASUREITEMSTRUCT& m);
    bool OnDrawItem(const DRAWITEMSTRUCT& d);

    HMENU ColourMenu() const { return colour_; }
    HMENU LineMenu() const { return line_; }
    const PenMenuMarks& Marks() const { return choices_.Marks(); }

  private:
    int Track(HMENU menu, HWND toolbar, POINT at);
    // The check marks of the highlighter and the two custom entries, from the pen's state.
    void ShowChecks();

    HINSTANCE resources_;
    TextLookup text_;
    PenAttributes& pen_;
    SystemColourDialog colourDialog_;
    LineWidthDialog widthDialog_;
    PenMenuChoices choices_;
    HMENU menu_ = nullptr;
    HMENU colour_ = nullptr;
    HMENU line_ = nullptr;
};

}  // namespace halvertone
