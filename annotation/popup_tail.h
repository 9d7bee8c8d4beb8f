#pragma once
// What the toolbar does once one of its popup menus has closed: it may step aside (hide, wait,
// show again) so that board strokes the menu covered can be painted again. After a choice,
// mouse mode keeps the pen only while such a repaint runs; otherwise the pen draws as soon as
// the menu is gone, even when hiding and showing the toolbar takes a while (under Wine each can
// take a second). A menu dismissed by a tap beside it keeps mouse mode in charge until the tail
// ends, so that the dismissing tap stays a click rather than becoming a dot.
namespace halvertone {

struct PopupTailPlan {
    bool stepAside = false;          // hide, wait, show again
    bool repaintBoard = false;       // the board's strokes are painted again meanwhile
    bool keepMouseInCharge = false;  // the popup-open flag stays set through the tail
};

PopupTailPlan PlanPopupTail(bool chosen, bool cleanPending, bool penJustSelected,
                            bool captureToolDrawing);

}  // namespace halvertone
