// What follows a closed toolbar popup: after a choice the pen is given back at once unless the
// board's strokes are painted again; a dismissed menu keeps the pen with mouse mode; the
// toolbar only steps aside when something may need it.
#include "annotation/popup_tail.h"

#include <gtest/gtest.h>

namespace halvertone {
namespace {

TEST(PopupTail, OnTheDesktopThePenDrawsWhileTheToolbarStepsAside) {
    const PopupTailPlan plan = PlanPopupTail(true, false, false, false);
    EXPECT_TRUE(plan.stepAside);
    EXPECT_FALSE(plan.repaintBoard);
    EXPECT_FALSE(plan.keepMouseInCharge) << "a stroke after the menu would become a mouse drag";
}

TEST(PopupTail, MouseKeepsThePenOnlyWhileBoardStrokesArePaintedAgain) {
    const PopupTailPlan board = PlanPopupTail(true, false, false, true);
    EXPECT_TRUE(board.stepAside);
    EXPECT_TRUE(board.repaintBoard);
    EXPECT_TRUE(board.keepMouseInCharge);

    // A pending clean or a pen tool just chosen: nothing steps aside, nothing is repainted,
    // whatever the board does.
    for (const bool cleanPending : {false, true}) {
        const PopupTailPlan plan = PlanPopupTail(true, cleanPending, !cleanPending, true);
        EXPECT_FALSE(plan.stepAside) << cleanPending;
        EXPECT_FALSE(plan.repaintBoard) << cleanPending;
        EXPECT_FALSE(plan.keepMouseInCharge) << cleanPending;
    }
}

TEST(PopupTail, AMenuDismissedWithoutAChoiceKeepsThePenWithMouseModeThroughTheTail) {
    for (const bool board : {false, true}) {
        const PopupTailPlan plan = PlanPopupTail(false, false, false, board);
        EXPECT_TRUE(plan.stepAside) << board;
        EXPECT_EQ(plan.repaintBoard, board);
        EXPECT_TRUE(plan.keepMouseInCharge) << "the dismissing tap would draw a dot";
    }
}

}  // namespace
}  // namespace halvertone
