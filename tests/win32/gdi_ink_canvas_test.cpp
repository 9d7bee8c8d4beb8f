// Ink on the real screen: strokes drawn through the live path and the full redraw with GDI and
// GDI+, read back from the screen. A striped backdrop window stands for the desktop; repainting
// it wipes the ink, as a desktop repaint does.
#include "annotation/win32/gdi_ink_canvas.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "backdrop_window.h"
#include "ink_harness.h"
#include "screen_readback.h"

namespace halvertone {
namespace {

using testing::BackdropWindow;
using testing::ChannelDistance;
using testing::ReadScreen;
using testing::ScreenPixel;
using testing::ScreenShot;

// A stand-in stroke library: plain GDI lines with the pen and mix mode selected into the
// context. Its segment moves the end point to an even x, so the caller's use of the moved
// point shows.
std::atomic<int> g_kitSegments{0};
std::atomic<int> g_kitPolylines{0};

void KitSegment(HDC dc, POINT* start, POINT* end) {
    ++g_kitSegments;
    end->x += end->x & 1;
    MoveToEx(dc, start->x, start->y, nullptr);
    LineTo(dc, end->x, end->y);
}

void KitPolyline(HDC dc, const POINT* points, int count) {
    ++g_kitPolylines;
    Polyline(dc, points, count);
}

std::array<kits::KitFunction, kits::stroke_kit::kTableSize> g_kitTable = {
    nullptr, nullptr, reinterpret_cast<kits::KitFunction>(&KitSegment),
    reinterpret_cast<kits::KitFunction>(&KitPolyline)};

const std::vector<uint32_t> kStripes = {0x00FFFFFF, 0x00C08040, 0x004080C0, 0x0090B0D0};

// Positions from `from`, `steps` times moved by `step`.
std::vector<PixelPoint> Line(PixelPoint from, PixelPoint step, int steps) {
    std::vector<PixelPoint> points;
    for (int i = 0; i <= steps; ++i) points.push_back({from.x + i * step.x, from.y + i * step.y});
    return points;
}

ScreenMetrics PrimaryScreen() {
    ScreenMetrics m;
    m.Set(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return m;
}

class GdiInkTest : public ::testing::Test {
  protected:
    using Harness = testing::BasicInkHarness<win32::GdiInkCanvas>;

    // One backdrop for all: taking a shown window down costs seconds under Wine.
    static void SetUpTestSuite() {
        if (!backdrop_) backdrop_ = std::make_unique<BackdropWindow>(kStripes);
    }
    static void TearDownTestSuite() { backdrop_.reset(); }

    void SetUp() override {
        g_kitSegments = 0;
        g_kitPolylines = 0;
    }

    // The backdrop in these stripes, on the screen before anything is drawn over it.
    void ShowBackdrop(std::vector<uint32_t> stripes) {
        backdrop_->SetStripes(std::move(stripes));
        ASSERT_TRUE(backdrop_->Repaint()) << "the backdrop did not reach the screen";
    }

    void Pen(Harness& h, uint32_t colour, int32_t width, bool highlighter = false) {
        h.pen.colour = colour;
        h.pen.width = width;
        h.pen.highlighter = highlighter;
    }

    ScreenMetrics metrics_ = PrimaryScreen();
    static inline std::unique_ptr<BackdropWindow> backdrop_;
};

TEST_F(GdiInkTest, LiveStrokesAppearAlongTheirPathInTheirColour) {
    ShowBackdrop({0x00FFFFFF});
    Harness h(metrics_, g_kitTable.data());
    const uint32_t colour = 0x000040C0;  // red 0xC0, green 0x40: the channels must not swap
    Pen(h, colour, 5);
    // 30 moves: the last Bezier piece ends exactly at the last position.
    h.Stroke(Line({100, 100}, {4, 4}, 30));
    h.Stroke(Line({400, 300}, {4, -4}, 30));
    h.Stroke({{600, 400}});  // a tap
    ASSERT_EQ(h.lists.DesktopStrokes.Count(), 3u);
    EXPECT_FALSE(h.screen.Held()) << "the screen context is given back at pen-up";

    for (int k = 0; k <= 120; k += 3) {
        EXPECT_LE(ChannelDistance(ScreenPixel(100 + k, 100 + k), colour), 24) << "at " << k;
        EXPECT_LE(ChannelDistance(ScreenPixel(400 + k, 300 - k), colour), 24) << "at " << k;
        // Beside the 5-pixel line the backdrop is untouched.
        EXPECT_EQ(ScreenPixel(100 + k + 6, 100 + k - 6), testing::kWhite) << "at " << k;
        EXPECT_EQ(ScreenPixel(400 + k + 6, 300 - k + 6), testing::kWhite) << "at " << k;
    }
    EXPECT_EQ(ScreenPixel(228, 228), testing::kWhite) << "nothing past the stroke's end";
    EXPECT_LE(ChannelDistance(ScreenPixel(600, 400), colour), 24) << "the tap leaves a dot";
    EXPECT_EQ(ScreenPixel(606, 406), testing::kWhite);
    EXPECT_EQ(g_kitSegments + g_kitPolylines, 0) << "plain strokes never use the library";
}

// The highlighter, with the stroke library and without it (then plain GDI lines).
class HighlighterTest : public GdiInkTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HighlighterTest, TintsWhatIsUnderneathLiveAndOnRedraw) {
    const bool withLibrary = GetParam();
    ShowBackdrop(kStripes);
    Harness h(metrics_, withLibrary ? g_kitTable.data() : nullptr);
    const uint32_t yellow = 0x0000FFFF;
    Pen(h, yellow, 9, true);
    const std::vector<PixelPoint> path = Line({40, 300}, {4, 2}, 60);  // across four stripes
    h.Stroke(path);

    const auto expectTinted = [&](const char* when) {
        for (size_t i = 2; i < path.size(); i += 2) {
            const PixelPoint p = path[i];
            EXPECT_EQ(ScreenPixel(p.x, p.y), backdrop_->ColourAt(p.x, p.y) & yellow)
                << when << " at " << p.x << "," << p.y;
            EXPECT_EQ(ScreenPixel(p.x, p.y - 12), backdrop_->ColourAt(p.x, p.y - 12))
                << when << " beside " << p.x << "," << p.y;
        }
    };
    expectTinted("live");

    const std::vector<StrokeEntry> entries = h.lists.DesktopStrokes.Entries();
    ASSERT_EQ(entries.size(), 1u);
    const PenStrokeData& stroke = std::get<PenStrokeData>(entries[0].data);
    EXPECT_NE(stroke.highlighter, 0);
    // The start dot's end as the library left it (41 moved to 42), else P + (1, 1).
    EXPECT_EQ(stroke.points[1], (PixelPoint{withLibrary ? 42 : 41, 301}));
    if (withLibrary) {
        EXPECT_GT(g_kitSegments, 0);
        EXPECT_GT(g_kitPolylines, 0);
    }

    ASSERT_TRUE(backdrop_->Repaint());
    EXPECT_EQ(ScreenPixel(path[10].x, path[10].y), backdrop_->ColourAt(path[10].x, 0));
    ASSERT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));
    expectTinted("redrawn");
}

INSTANTIATE_TEST_SUITE_P(StrokeLibrary, HighlighterTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Loaded" : "Missing"; });

// Pixels that differ clearly from the backdrop.
std::vector<uint8_t> InkMask(const ScreenShot& shot, const BackdropWindow& backdrop) {
    std::vector<uint8_t> mask(shot.pixels.size(), 0);
    for (int32_t y = 0; y < shot.Height(); ++y)
        for (int32_t x = 0; x < shot.Width(); ++x)
            mask[static_cast<size_t>(y) * static_cast<size_t>(shot.Width()) +
                 static_cast<size_t>(x)] =
                ChannelDistance(shot.At(x, y), backdrop.ColourAt(x, y)) > 60 ? 1 : 0;
    return mask;
}

// Inked pixels of `a` without an inked pixel of `b` at most one pixel away.
int Unmatched(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int32_t w, int32_t h) {
    int missing = 0;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            if (!a[static_cast<size_t>(y * w + x)]) continue;
            bool found = false;
            for (int32_t dy = -1; dy <= 1 && !found; ++dy)
                for (int32_t dx = -1; dx <= 1 && !found; ++dx) {
                    const int32_t nx = x + dx, ny = y + dy;
                    found = nx >= 0 && ny >= 0 && nx < w && ny < h &&
                            b[static_cast<size_t>(ny * w + nx)];
                }
            missing += found ? 0 : 1;
        }
    return missing;
}

TEST_F(GdiInkTest, RedrawAfterARepaintBringsTheSamePictureBack) {
    ShowBackdrop(kStripes);
    Harness h(metrics_, g_kitTable.data());
    Pen(h, 0x000000FF, 3);
    h.Stroke(Line({80, 80}, {4, 4}, 45));
    Pen(h, 0x00FF0000, 7);
    h.Stroke(Line({420, 120}, {-3, 3}, 60));
    Pen(h, 0x0000FFFF, 11, true);
    h.Stroke(Line({60, 400}, {6, -2}, 60));

    const RECT area = backdrop_->Area();
    const ScreenShot live = ReadScreen(area);
    const std::vector<uint8_t> liveInk = InkMask(live, *backdrop_);
    const int liveCount = static_cast<int>(std::count(liveInk.begin(), liveInk.end(), 1));
    ASSERT_GT(liveCount, 1500) << "the strokes were not drawn";

    ASSERT_TRUE(backdrop_->Repaint()) << "the repaint left ink on the screen";
    ASSERT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));
    const ScreenShot redrawn = ReadScreen(area);
    const std::vector<uint8_t> redrawnInk = InkMask(redrawn, *backdrop_);
    const int redrawnCount = static_cast<int>(std::count(redrawnInk.begin(), redrawnInk.end(), 1));

    // The live pieces are Bezier pieces and the redraw one curve through every point: the
    // same lines, up to a pixel of anti-aliasing.
    EXPECT_NEAR(redrawnCount, liveCount, liveCount / 10);
    EXPECT_LE(Unmatched(liveInk, redrawnInk, live.Width(), live.Height()), liveCount / 100);
    EXPECT_LE(Unmatched(redrawnInk, liveInk, live.Width(), live.Height()), liveCount / 100);
    EXPECT_EQ(h.toolbar.shownAtMs.size(), 1u) << "the toolbar is put back on top";
}

TEST_F(GdiInkTest, EraserStrokesRestoreTheBackgroundOnRedraw) {
    ShowBackdrop(kStripes);
    Harness h(metrics_, g_kitTable.data());
    const uint32_t black = 0x00000000;
    Pen(h, black, 9);
    h.Stroke(Line({100, 100}, {4, 4}, 60));  // to (340, 340)
    // Width setting 10: squares of 41 pixels at (180, 180) and (230, 230).
    h.recorder.RecordEraserStroke(1, 10, 180, 180);
    h.recorder.RecordEraserStroke(2, 0, 230, 230);
    h.recorder.RecordEraserStroke(3, 0, 0, 0);
    h.Stroke(Line({240, 160}, {-4, 4}, 21));  // a later stroke across the first square
    ASSERT_TRUE(backdrop_->Repaint());
    ASSERT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));

    const ScreenShot shot = ReadScreen(backdrop_->Area());
    for (int32_t y = 180; y < 271; ++y)
        for (int32_t x = 180; x < 271; ++x) {
            const bool square = (x < 221 && y < 221) || (x >= 230 && y >= 230);
            const bool nearLaterStroke = std::abs(x + y - 400) < 14 && x < 245 && y < 245;
            if (square && !nearLaterStroke) {
                ASSERT_EQ(shot.At(x, y), backdrop_->ColourAt(x, y)) << x << "," << y;
            }
        }
    EXPECT_LE(ChannelDistance(shot.At(150, 150), black), 24) << "ink outside the squares stays";
    EXPECT_LE(ChannelDistance(shot.At(300, 300), black), 24);
    EXPECT_LE(ChannelDistance(shot.At(200, 200), black), 24) << "later ink paints over";
}

TEST_F(GdiInkTest, RepeatedStrokesAndRedrawsLeaveNoGdiObjectsBehind) {
    ShowBackdrop(kStripes);
    Harness h(metrics_, g_kitTable.data());
    const auto round = [&](int i) {
        Pen(h, 0x00000080, 4);
        h.Stroke(Line({50 + i, 50}, {3, 3}, 12));
        Pen(h, 0x0000FFFF, 9, true);
        h.Stroke(Line({300 + i, 50}, {3, 3}, 12));
        h.recorder.RecordEraserStroke(1, 3, 60 + i, 60);
        h.recorder.RecordEraserStroke(2, 0, 70 + i, 70);
        h.recorder.RecordEraserStroke(3, 0, 0, 0);
        ASSERT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));
    };
    round(0);  // whatever GDI+ keeps for the process is made now
    const int64_t before = testing::GdiObjectsInUse();
    ASSERT_GT(before, 0);
    for (int i = 1; i <= 25; ++i) round(i);
    EXPECT_EQ(testing::GdiObjectsInUse(), before);
    EXPECT_EQ(h.lists.DesktopStrokes.Count(), 78u);
}

}  // namespace
}  // namespace halvertone
