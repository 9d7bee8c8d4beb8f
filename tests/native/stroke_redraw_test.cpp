// The full redraw: order of strokes and eraser squares, what each kind of stroke is drawn with,
// long strokes, overlapping redraws, the toolbar's reshow and the live context it takes away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ink_harness.h"

namespace halvertone {
namespace {

using sim::InkOp;
using testing::InkHarness;
using testing::kWhite;

constexpr uint32_t kRed = 0x000000FF;
constexpr uint32_t kBlue = 0x00FF0000;

void AddPen(StrokeList& list, uint32_t colour, int32_t width, std::vector<PixelPoint> points,
            int32_t highlighter = 0) {
    list.Add(StrokeEntry{PenStrokeData{colour, width, highlighter, std::move(points)}});
}
void AddEraser(StrokeList& list, int32_t widthSetting, std::vector<PixelPoint> corners) {
    list.Add(StrokeEntry{EraserStrokeData{widthSetting, std::move(corners)}});
}

std::vector<std::string> Lines(const std::vector<sim::InkCall>& calls) {
    std::vector<std::string> out;
    for (const auto& c : calls) out.push_back(sim::Describe(c));
    return out;
}

TEST(StrokeRedraw, AnEraserWipesOnlyEarlierStrokesAndLaterOnesPaintOver) {
    InkHarness h;
    StrokeList& list = h.lists.DesktopStrokes;
    AddPen(list, kRed, 3, {{20, 50}, {120, 50}});
    AddEraser(list, 10, {{50, 30}});  // a 41-pixel square: x 50..90, y 30..70
    AddPen(list, kBlue, 3, {{70, 20}, {70, 80}});
    EXPECT_TRUE(h.redraw.RedrawStrokes(list));

    const sim::PixelImage& s = h.canvas.Screen();
    EXPECT_EQ(s.At(30, 50), kRed) << "outside the square";
    EXPECT_EQ(s.At(110, 50), kRed);
    EXPECT_EQ(s.At(55, 50), kWhite) << "erased";
    EXPECT_EQ(s.At(90, 50), kWhite) << "the square's last column";
    EXPECT_EQ(s.At(91, 50), kRed) << "just beyond the square";
    EXPECT_EQ(s.At(70, 50), kBlue) << "the later stroke paints over the erased area";
    EXPECT_EQ(s.At(70, 25), kBlue);
    EXPECT_EQ(Lines(h.canvas.Calls()),
              (std::vector<std::string>{"open-screen", "compose", "pen 255 3",
                                        "cardinal 2 20 50 120 50", "restore-pen", "square 41 50 30",
                                        "pen 16711680 3", "cardinal 2 70 20 70 80", "restore-pen",
                                        "present", "end-compose", "close-screen"}));
}

TEST(StrokeRedraw, TheSnapshotIsTheDisplayAsItWas) {
    InkHarness h;
    for (int y = 0; y < 150; ++y) h.canvas.Screen().Ref(60, y) = 0x00123456;  // a window edge
    StrokeList& list = h.lists.DesktopStrokes;
    AddPen(list, kRed, 1, {{40, 40}, {80, 40}});
    AddEraser(list, 1, {{55, 36}});  // 9 x 9
    h.redraw.RedrawStrokes(list);
    EXPECT_EQ(h.canvas.Screen().At(60, 40), 0x00123456u) << "the desktop under the eraser";
    EXPECT_EQ(h.canvas.Screen().At(60, 100), 0x00123456u);
    EXPECT_EQ(h.canvas.Screen().At(45, 40), kRed);
}

TEST(StrokeRedraw, PenStrokesByPointCount) {
    InkHarness h;
    StrokeList& list = h.lists.DesktopStrokes;
    AddPen(list, kRed, 1, {{10, 10}});
    AddPen(list, kRed, 1, {{10, 20}, {11, 21}});  // a tap
    AddPen(list, kRed, 1, {{10, 30}, {30, 30}, {30, 60}});
    AddPen(list, kRed, 1, {{10, 70}, {30, 70}, {30, 90}, {50, 90}});
    h.redraw.RedrawStrokes(list);
    EXPECT_EQ(Lines(h.canvas.CallsOf(InkOp::kCardinalCurve)),
              (std::vector<std::string>{"cardinal 2 10 20 11 21", "cardinal 2 10 30 30 30",
                                        "cardinal 4 10 70 30 70 30 90 50 90"}));
    EXPECT_EQ(h.canvas.Count(InkOp::kUsePen), 4u) << "a pen is selected even for one point";
    EXPECT_EQ(h.canvas.Screen().At(30, 45), kWhite) << "the third point of three is not drawn";
    EXPECT_EQ(h.canvas.Screen().At(20, 30), kRed);
    EXPECT_EQ(h.canvas.Screen().At(10, 10), kWhite) << "a single point draws nothing";
}

TEST(StrokeRedraw, StrokesLongerThan4096PointsAreDrawnWhole) {
    InkHarness h(400, 300);
    std::vector<PixelPoint> points;
    for (int i = 0; i < 5000; ++i) points.push_back({10 + (i % 190) * 2, 10 + (i / 190) * 10});
    AddPen(h.lists.DesktopStrokes, kRed, 1, points);
    h.redraw.RedrawStrokes(h.lists.DesktopStrokes);
    const auto curves = h.canvas.CallsOf(InkOp::kCardinalCurve);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].points.size(), 5000u);
    for (size_t i : {4095u, 4096u, 4999u})
        EXPECT_EQ(h.canvas.Screen().At(points[i].x, points[i].y), kRed) << "point " << i;
}

TEST(StrokeRedraw, HighlighterStrokesMaskTheDesktopThroughTheStrokeLibrary) {
    InkHarness h;
    for (auto& px : h.canvas.Screen().pixels) px = 0x00F0C0A0;
    StrokeList& list = h.lists.DesktopStrokes;
    AddPen(list, 0x0000FFFF, 1, {{20, 20}}, 1);
    AddPen(list, 0x0000FFFF, 1, {{20, 40}, {60, 40}, {60, 80}}, 1);
    h.redraw.RedrawStrokes(list);
    EXPECT_EQ(Lines(h.canvas.Calls()),
              (std::vector<std::string>{"open-screen", "compose", "pen 65535 1", "restore-pen",
                                        "pen 65535 1", "rop 9", "polyline 3 20 40 60 40 60 80",
                                        "restore-pen", "rop 13", "present", "end-compose",
                                        "close-screen"}));
    EXPECT_EQ(h.canvas.Screen().At(60, 70), 0x0000C0A0u) << "every point, tinted";
    EXPECT_EQ(h.canvas.Screen().At(20, 20), 0x00F0C0A0u);
}

TEST(StrokeRedraw, ARedrawRequestedWhileOneRunsReturnsAtOnce) {
    InkHarness h;
    AddPen(h.lists.DesktopStrokes, kRed, 1, {{10, 10}, {20, 20}});
    int nested = -1;
    h.toolbar.onHide = [&] { nested = h.redraw.RedrawStrokes(h.lists.DesktopStrokes) ? 1 : 0; };
    EXPECT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(h.canvas.Count(InkOp::kCompose), 1u);
    EXPECT_EQ(h.toolbar.hiddenAtMs.size(), 1u);
    EXPECT_FALSE(h.redraw.RedrawBusy);
    h.toolbar.onHide = nullptr;
    EXPECT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes)) << "busy is cleared afterwards";
}

TEST(StrokeRedraw, TheToolbarIsHiddenForFiftyMillisecondsUnlessItsHandlerDoesItItself) {
    InkHarness h;  // an empty list still reshows the toolbar
    h.clock.Advance(1000);
    h.redraw.RedrawStrokes(h.lists.DesktopStrokes);
    EXPECT_EQ(h.toolbar.hiddenAtMs, (std::vector<uint64_t>{1000}));
    EXPECT_EQ(h.toolbar.shownAtMs, (std::vector<uint64_t>{1050}));
    EXPECT_EQ(h.canvas.Calls().size(), 0u) << "no screen taken for an empty list";

    h.redraw.ReshowToolbarAfterRedraw = false;
    AddPen(h.lists.DesktopStrokes, kRed, 1, {{10, 10}, {20, 20}});
    h.redraw.RedrawStrokes(h.lists.DesktopStrokes);
    EXPECT_EQ(h.toolbar.hiddenAtMs.size(), 1u);
    EXPECT_EQ(h.clock.NowMs(), 1050u);
}

TEST(StrokeRedraw, TakesTheLiveContextAwayAndPutsItsHighlighterPenBack) {
    InkHarness h;
    h.pen.highlighter = true;
    h.PenDown({30, 30});
    ASSERT_TRUE(h.screen.Held());
    h.canvas.ClearCalls();
    h.redraw.RedrawStrokes(h.lists.DesktopStrokes);
    EXPECT_FALSE(h.screen.Held()) << "the pen mode begins a new stroke when it finds it gone";
    EXPECT_EQ(h.canvas.OpenScreens(), 0);
    const auto lines = Lines(h.canvas.Calls());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"rop 13", "restore-pen", "close-screen", "open-screen"}));
    EXPECT_FALSE(h.screen.Draw([](InkSurface&) {})) << "live pieces draw nothing now";
}

TEST(StrokeRedraw, NoScreenNoDrawingAndNoHarm) {
    sim::SimInkOptions options;
    options.failOpenScreen = true;
    InkHarness h(200, 150, options);
    AddPen(h.lists.DesktopStrokes, kRed, 1, {{10, 10}, {20, 20}});
    EXPECT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));
    EXPECT_EQ(h.canvas.Count(InkOp::kCompose), 0u);
    EXPECT_EQ(h.canvas.Screen().CountOf(kRed), 0u);
    EXPECT_FALSE(h.redraw.RedrawBusy);
}

TEST(StrokeRedraw, ATapIsRedrawnThroughItsTwoPoints) {
    InkHarness h;
    h.Stroke({{50, 60}});
    for (auto& px : h.canvas.Screen().pixels) px = kWhite;  // the desktop repainted
    h.redraw.RedrawStrokes(h.lists.DesktopStrokes);
    EXPECT_EQ(Lines(h.canvas.CallsOf(InkOp::kCardinalCurve)),
              (std::vector<std::string>{"cardinal 2 50 60 51 61"}));
    EXPECT_EQ(h.canvas.Screen().At(50, 60), 0xFF0000u);
}

TEST(InkPen, GdiColoursBecomeOpaqueArgb) {
    EXPECT_EQ(ArgbFromColour(0x00FF0000), 0xFF0000FFu) << "blue";
    EXPECT_EQ(ArgbFromColour(0x000000FF), 0xFFFF0000u) << "red";
    EXPECT_EQ(ArgbFromColour(0x00336699), 0xFF996633u);
    EXPECT_EQ(ArgbFromColour(0x7F000000), 0xFF000000u) << "the top byte is no alpha";
}

}  // namespace
}  // namespace halvertone
