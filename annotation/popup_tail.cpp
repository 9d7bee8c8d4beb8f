#include "annotation/popup_tail.h"

namespace halvertone {

PopupTailPlan PlanPopupTail(bool chosen, bool cleanPending, bool penJustSelected,
                            bool captureToolDrawing) {
    PopupTailPlan plan;
    plan.stepAside = !cleanPending && !penJustSelected;
    plan.repaintBoard = plan.stepAside && captureToolDrawing;
    // A repaint takes the live drawing context away; a stroke begun meanwhile would be split.
    plan.keepMouseInCharge = plan.repaintBoard || !chosen;
    return plan;
}

}  // namespace halvertone
