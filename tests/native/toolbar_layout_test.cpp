// The drawing toolbar's arithmetic: which icon set fits the screen, where the buttons go, where
// the docked window lands, what an edge gesture does and what a tool choice brings along.
#include "annotation/toolbar_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "annotation/tool_selection.h"
#include "annotation/toolbar_icons.h"
#include "annotation/toolbar_side_command.h"
#include "tracking/tool_mode.h"
#include "support/memory_profile_store.h"

namespace halvertone {
namespace {

struct ScreenType {
    std::string section;
    int width, height;
};

void WriteScreenTypes(test::MemoryProfileStore& ini, const std::vector<ScreenType>& types) {
    int key = 1;
    for (const ScreenType& t : types) {
        ini.WriteString("Screen Type", std::to_string(key++), t.section);
        ini.WriteString(t.section, "Width", std::to_string(t.width));
        ini.WriteString(t.section, "Height", std::to_string(t.height));
    }
}

TEST(ToolbarScreenType, ExactMatchFirstElseNearestAreaUnderTheLimit) {
    test::MemoryProfileStore ini;
    WriteScreenTypes(ini, {{"A", 1280, 1024}, {"B", 1024, 768}});
    EXPECT_EQ(ChooseScreenType(ini, 1024, 768), "B");
    EXPECT_EQ(ChooseScreenType(ini, 1280, 1024), "A");
    // 1280 x 800 = 1 024 000: 237 568 from 1024 x 768, 286 720 from 1280 x 1024.
    EXPECT_EQ(ChooseScreenType(ini, 1280, 800), "B");
    // 768 x 1024 has the area of B but is no exact match: nearest by area is still B.
    EXPECT_EQ(ChooseScreenType(ini, 768, 1024), "B");
    // 2 000 000 away from A and more from B: nothing.
    EXPECT_EQ(ChooseScreenType(ini, 1920, 1724), "");
}

TEST(ToolbarScreenType, LimitIsStrictTiesGoToTheEarlierKeyAndTheWalkStopsAtAGap) {
    test::MemoryProfileStore ini;
    WriteScreenTypes(ini, {{"Small", 1000, 1000}, {"Large", 3000, 1000}});
    // 2 000 000: one million from each; not below the limit.
    EXPECT_EQ(ChooseScreenType(ini, 2000, 1000), "");
    // 1 999 999 is 999 999 from Small and 1 000 001 from Large.
    EXPECT_EQ(ChooseScreenType(ini, 1999999, 1), "Small");

    test::MemoryProfileStore tie;
    WriteScreenTypes(tie, {{"First", 1000, 1000}, {"Second", 1000, 1200}});
    EXPECT_EQ(ChooseScreenType(tie, 1000, 1100), "First");

    test::MemoryProfileStore gap;
    WriteScreenTypes(gap, {{"One", 800, 600}});
    gap.WriteString("Screen Type", "3", "Three");
    gap.WriteString("Three", "Width", "1024");
    gap.WriteString("Three", "Height", "768");
    EXPECT_EQ(ChooseScreenType(gap, 1024, 768), "One");  // key 2 missing: "Three" unseen
    gap.WriteString("Screen Type", "2", "");
    EXPECT_EQ(ChooseScreenType(gap, 1024, 768), "One");  // an empty key ends it too
}

TEST(ToolbarIcons, ReadsTheChosenSectionAndFallsBackToDefaults) {
    test::MemoryProfileStore ini;
    WriteScreenTypes(ini, {{"S1024", 1024, 768}});
    ini.WriteString("S1024", "Directory", "Toolbar\\32");
    ini.WriteString("S1024", "Pen", "pen.ico");
    ini.WriteString("S1024", "RightSide", std::string(300, 'r'));
    ini.WriteString("S1024", "Position_Icon_Size_Width", "20");
    ini.WriteString("S1024", "Other_Icon_Size_Height", "40");

    const ToolbarIconSet set = ReadToolbarIcons(ini, 1024, 768);
    EXPECT_EQ(set.section, "S1024");
    EXPECT_EQ(set.IconPath("C:\\prog\\", kIconPen), "C:\\prog\\Toolbar\\32\\pen.ico");
    EXPECT_EQ(set.IconPath("C:\\prog\\", kIconMouse), "");  // not named: no image
    EXPECT_EQ(set.files[kIconRightSide].size(), kIconInfoChars - 1);
    EXPECT_EQ(set.positionIconSize, 20);
    EXPECT_EQ(set.otherIconWidth, 32);
    EXPECT_EQ(set.otherIconHeight, 40);

    const ToolbarIconSet none = ReadToolbarIcons(ini, 3000, 3000);
    EXPECT_EQ(none.section, "");
    for (size_t i = 0; i < kToolbarIconCount; ++i)
        EXPECT_EQ(none.IconPath("C:\\", static_cast<ToolbarIcon>(i)), "");
    EXPECT_EQ(none.positionIconSize, 16);
    EXPECT_EQ(none.otherIconWidth, 32);
    EXPECT_EQ(none.otherIconHeight, 32);
    EXPECT_STREQ(ToolbarIconKey(kIconSoftKeyboard), "SoftKeyboard");
    EXPECT_STREQ(ToolbarIconKey(kIconLeftSide), "LeftSide");
}

TEST(ToolbarLayoutArithmetic, ButtonsStackFromTheBaseUnitsAndIconSizes) {
    ToolbarIconSet icons;  // P 16, W 32, H 32
    // Base units 8 x 16: h = 4, v = 8.
    const ToolbarLayout l = LayOutToolbar(8, 16, icons);
    EXPECT_EQ(l.side, (PixelRect{4 + 8, 8, 4 + 8 + 20, 28}));
    // First stacked button at y = 16 + 16 + 4 = 36, then every 32 + 4 + 8 = 44.
    EXPECT_EQ(l.stack[0], (PixelRect{4, 36, 40, 72}));
    EXPECT_EQ(l.stack[1].top, 80);
    EXPECT_EQ(l.stack[9], (PixelRect{4, 36 + 9 * 44, 40, 36 + 9 * 44 + 36}));
    EXPECT_EQ(l.clientWidth, 8 + 32 + 4);
    EXPECT_EQ(l.clientHeight, l.stack[9].bottom + 8);
    EXPECT_EQ(l.boardTrim, 44);

    // Odd base units are halved downward; sizes of a larger set.
    icons.positionIconSize = 24;
    icons.otherIconWidth = 48;
    icons.otherIconHeight = 40;
    const ToolbarLayout big = LayOutToolbar(7, 13, icons);  // h = 3, v = 6
    EXPECT_EQ(big.side, (PixelRect{3 + 12, 6, 3 + 12 + 28, 34}));
    EXPECT_EQ(big.stack[0], (PixelRect{3, 24 + 12 + 4, 55, 40 + 44}));
    EXPECT_EQ(big.stack[2].top, 40 + 2 * 50);
    EXPECT_EQ(big.clientWidth, 6 + 48 + 4);
    EXPECT_EQ(big.boardTrim, 50);

    // A damaged file cannot make the buttons negative or enormous.
    icons.otherIconWidth = -500;
    icons.otherIconHeight = 1 << 30;
    const ToolbarLayout odd = LayOutToolbar(8, 16, icons);
    EXPECT_EQ(odd.stack[0].right - odd.stack[0].left, 4);
    EXPECT_EQ(odd.stack[0].bottom - odd.stack[0].top, kMaxToolbarIconSize + 4);
}

TEST(ToolbarDocking, LeftRightTrimAndOtherSides) {
    const PixelRect window{0, 0, 50, 500};
    const PixelRect work{0, 0, 1024, 738};  // a taskbar of 30 at the bottom
    EXPECT_EQ(DockToolbar(window, work, 0, 0), (PixelRect{0, 119, 50, 619}));
    EXPECT_EQ(DockToolbar(window, work, 1, 0), (PixelRect{974, 119, 1024, 619}));
    // The trim shortens the window and re-centres it; odd remainders truncate.
    EXPECT_EQ(DockToolbar(window, work, 1, 45), (PixelRect{974, 141, 1024, 596}));
    // The work area's left edge counts; its top does not (centred on its height only).
    const PixelRect shifted{100, 40, 1124, 778};
    EXPECT_EQ(DockToolbar(PixelRect{300, 300, 350, 800}, shifted, 0, 0),
              (PixelRect{100, 119, 150, 619}));
    EXPECT_FALSE(DockToolbar(window, work, 2, 0).has_value());
    EXPECT_FALSE(DockToolbar(window, work, -1, 0).has_value());
    // A window taller than the work area goes above the top.
    EXPECT_EQ(DockToolbar(PixelRect{0, 0, 50, 801}, work, 0, 0)->top, -31);
}

TEST(ToolbarSideCommand, EveryRowOfTheTable) {
    using A = SideAction;
    // Code 2 never does anything.
    for (bool visible : {false, true})
        for (int p : {0, 1, 2, 3, 4})
            for (int side : {0, 1}) EXPECT_EQ(DecideSideCommand(visible, p, side, 2), A::kNothing);
    // Visible, projector 0, 1, 2, 4: toward its own edge hides, otherwise it switches.
    for (int p : {0, 1, 2, 4}) {
        EXPECT_EQ(DecideSideCommand(true, p, 0, 1), A::kHide) << p;
        EXPECT_EQ(DecideSideCommand(true, p, 1, 3), A::kHide) << p;
        EXPECT_EQ(DecideSideCommand(true, p, 0, 3), A::kSwitchSide) << p;
        EXPECT_EQ(DecideSideCommand(true, p, 1, 1), A::kSwitchSide) << p;
        EXPECT_EQ(DecideSideCommand(true, p, 0, 0), A::kSwitchSide) << p;
    }
    // Visible with any other projector position: nothing.
    for (int p : {3, 5, -1}) EXPECT_EQ(DecideSideCommand(true, p, 0, 1), A::kNothing);
    // Hidden: always shown; 0 and 4 switch toward the far edge, 1 and 2 toward the own edge.
    for (int p : {0, 4}) {
        EXPECT_EQ(DecideSideCommand(false, p, 0, 3), A::kShowAndSwitch);
        EXPECT_EQ(DecideSideCommand(false, p, 1, 1), A::kShowAndSwitch);
        EXPECT_EQ(DecideSideCommand(false, p, 0, 1), A::kShow);
        EXPECT_EQ(DecideSideCommand(false, p, 1, 3), A::kShow);
    }
    for (int p : {1, 2}) {
        EXPECT_EQ(DecideSideCommand(false, p, 0, 1), A::kShowAndSwitch);
        EXPECT_EQ(DecideSideCommand(false, p, 1, 3), A::kShowAndSwitch);
        EXPECT_EQ(DecideSideCommand(false, p, 0, 3), A::kShow);
        EXPECT_EQ(DecideSideCommand(false, p, 1, 1), A::kShow);
    }
    for (int p : {3, 7}) {
        EXPECT_EQ(DecideSideCommand(false, p, 0, 1), A::kShow);
        EXPECT_EQ(DecideSideCommand(false, p, 1, 1), A::kShow);
    }
    // A side value other than 0 or 1 never matches an edge.
    EXPECT_EQ(DecideSideCommand(true, 0, 5, 1), A::kSwitchSide);
    EXPECT_EQ(DecideSideCommand(false, 1, 5, 1), A::kShow);
}

TEST(ToolbarToolSelection, BoardFollowsTheToolOnlyWhenAskedAndButtonsFollowTheTool) {
    // "Pen Button Mode" 1: board follows the tool.
    ToolSelectionPlan pen = PlanToolSelection(kToolPen, false, true, false);
    EXPECT_TRUE(pen.readDrawSensitivity);
    EXPECT_EQ(pen.board, BoardChange::kTurnOn);
    EXPECT_EQ(pen.buttons, DrawingButtons::kEnable);
    EXPECT_TRUE(pen.showToolbar);
    EXPECT_EQ(PlanToolSelection(kToolPen, false, true, true).board, BoardChange::kNone);

    ToolSelectionPlan eraser = PlanToolSelection(kToolEraser, false, true, false);
    EXPECT_FALSE(eraser.readDrawSensitivity);
    EXPECT_EQ(eraser.board, BoardChange::kTurnOn);
    EXPECT_EQ(eraser.buttons, DrawingButtons::kEnable);
    EXPECT_FALSE(eraser.showToolbar);

    ToolSelectionPlan mouse = PlanToolSelection(kToolMouse, false, true, true);
    EXPECT_EQ(mouse.board, BoardChange::kTurnOff);
    EXPECT_TRUE(mouse.showTaskbar);
    EXPECT_EQ(mouse.buttons, DrawingButtons::kDisable);
    mouse = PlanToolSelection(kToolMouse, false, true, false);
    EXPECT_EQ(mouse.board, BoardChange::kNone);
    EXPECT_FALSE(mouse.showTaskbar);
    EXPECT_EQ(mouse.buttons, DrawingButtons::kDisable);

    // "Pen Button Mode" 2 (capture-tool flag) and 0: the board stays as the user set it.
    for (bool board : {false, true}) {
        EXPECT_EQ(PlanToolSelection(kToolMouse, true, false, board).board, BoardChange::kNone);
        EXPECT_EQ(PlanToolSelection(kToolMouse, true, false, board).buttons,
                  DrawingButtons::kLeave);
        EXPECT_EQ(PlanToolSelection(kToolPen, true, false, board).board, BoardChange::kNone);
        EXPECT_EQ(PlanToolSelection(kToolMouse, false, false, board).buttons,
                  DrawingButtons::kLeave);
        EXPECT_EQ(PlanToolSelection(kToolEraser, false, false, board).board, BoardChange::kNone);
    }
    const ToolSelectionPlan other = PlanToolSelection(42, false, true, true);
    EXPECT_EQ(other.board, BoardChange::kNone);
    EXPECT_EQ(other.buttons, DrawingButtons::kLeave);
}

}  // namespace
}  // namespace halvertone
