// The simulated eraser square: its state for the eraser mode, and its effect on the simulated
// screen (green while shown, the desktop back wherever it has been).
#include "doubles/sim_eraser_window.h"

#include <gtest/gtest.h>

#include "doubles/sim_ink_canvas.h"

namespace halvertone::sim {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kInk = 0x00000080;

// A screen entirely covered in ink, so that every repainted pixel shows.
struct InkedScreen {
    InkedScreen() { canvas.Fill({0, 0, 300, 200}, kInk); }
    SimInkCanvas canvas{300, 200, kWhite};
};

TEST(SimEraserWindowTest, SquareSizeAndStateFollowTheCalls) {
    SimEraserWindow eraser;
    EXPECT_FALSE(eraser.Exists());
    eraser.MoveTo({5, 5});
    eraser.Show();
    EXPECT_FALSE(eraser.Visible()) << "nothing to show without a square";

    for (const auto& [width, side] : {std::pair{1, 9}, {30, 81}, {31, 80}, {100, 80}}) {
        ASSERT_TRUE(eraser.CreateEraserWindow(width));
        EXPECT_EQ(eraser.Rect(), (PixelRect{0, 0, side, side})) << "width " << width;
        EXPECT_FALSE(eraser.Visible());
    }
    eraser.MoveTo({40, 30});
    eraser.Show();
    EXPECT_EQ(eraser.Rect(), (PixelRect{40, 30, 120, 110}));
    EXPECT_TRUE(eraser.Visible());
    eraser.Destroy();
    eraser.Destroy();
    EXPECT_FALSE(eraser.Exists());
    EXPECT_TRUE(eraser.Rect().Empty());

    const SimEraserCounts n = eraser.Counts();
    EXPECT_EQ(n.created, 4);
    EXPECT_EQ(n.destroyed, 4) << "each new square replaces the one before";
    EXPECT_EQ(n.moved, 1);
    EXPECT_EQ(n.shown, 1);
}

TEST(SimEraserWindowTest, ShownSquareCoversItsPlaceAndLeavesTheDesktopWhereItWas) {
    InkedScreen inked;
    SimInkCanvas& canvas = inked.canvas;
    SimEraserWindow eraser(&canvas, kWhite);
    ASSERT_TRUE(eraser.CreateEraserWindow(1));  // 9 pixels
    eraser.MoveTo({10, 10});
    EXPECT_EQ(canvas.Screen().CountOf(kInk), 300u * 200u) << "a hidden square paints nothing";

    eraser.Show();
    EXPECT_EQ(canvas.Screen().CountOf(kEraserColour), 81u);
    EXPECT_EQ(canvas.Screen().At(10, 10), kEraserColour);
    EXPECT_EQ(canvas.Screen().At(18, 18), kEraserColour);
    EXPECT_EQ(canvas.Screen().At(19, 19), kInk);

    eraser.MoveTo({14, 10});  // overlaps its old place
    EXPECT_EQ(canvas.Screen().CountOf(kEraserColour), 81u);
    EXPECT_EQ(canvas.Screen().At(10, 10), kWhite) << "uncovered: the desktop repainted it";
    EXPECT_EQ(canvas.Screen().At(14, 10), kEraserColour);
    EXPECT_EQ(canvas.Screen().CountOf(kWhite), 4u * 9u);

    // Ink drawn over the square goes at its next repaint.
    canvas.Fill({15, 11, 17, 13}, kInk);
    eraser.Repaint();
    EXPECT_EQ(canvas.Screen().CountOf(kEraserColour), 81u);

    eraser.Destroy();
    EXPECT_EQ(canvas.Screen().CountOf(kEraserColour), 0u);
    EXPECT_EQ(canvas.Screen().CountOf(kWhite), 4u * 9u + 81u);
}

TEST(SimEraserWindowTest, SquaresAtTheScreenEdgeAreClipped) {
    InkedScreen inked;
    SimInkCanvas& canvas = inked.canvas;
    SimEraserWindow eraser(&canvas, kWhite);
    ASSERT_TRUE(eraser.CreateEraserWindow(31));  // 80 pixels
    eraser.Show();
    eraser.MoveTo({260, 170});
    EXPECT_EQ(canvas.Screen().CountOf(kEraserColour), 40u * 30u);
    eraser.MoveTo({2147483600, -2147483600});  // far off: nothing painted, nothing broken
    EXPECT_EQ(canvas.Screen().CountOf(kEraserColour), 0u);
    EXPECT_EQ(eraser.Rect().right, 2147483647);
}

}  // namespace
}  // namespace halvertone::sim
