// The pen worker records and draws while the interface thread redraws and frees the list:
// no point is lost while nothing is freed, strokes stay whole, and no screen context leaks.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ink_harness.h"

namespace halvertone {
namespace {

using testing::InkHarness;

constexpr int kStrokes = 150;
constexpr int kPointsPerStroke = 40;

// The pen worker's share, as the pen mode drives it: pen down, positions along the diagonal,
// a new stroke whenever a redraw took the screen context away, pen up. Returns how many points
// were recorded, assuming nobody frees the list.
int64_t DrawStrokes(InkHarness& h) {
    int64_t recorded = 0;
    auto begin = [&](PixelPoint p) {
        h.screen.Acquire(h.pen.highlighter, h.pen.Pen());
        recorded += h.recorder.RecordPenStroke(1, h.pen.colour, h.pen.width, 0, p.x, p.y);
    };
    for (int s = 0; s < kStrokes; ++s) {
        PixelPoint p{10, 10};
        begin(p);
        h.live.DrawStrokePiece(p, p, true);
        ++recorded;  // the dot's end, appended inside (counted for runs without frees)
        h.live.Buffer().Reset();
        h.live.AddLivePoint(0, p.x, p.y);
        PixelPoint last = p;
        for (int k = 1; k < kPointsPerStroke; ++k) {
            const PixelPoint q{11 + 3 * k, 11 + 3 * k};
            if (!h.screen.Held()) {
                begin(q);
                h.live.Buffer().Reset();
                h.live.AddLivePoint(0, q.x, q.y);
                last = q;
                continue;
            }
            if (h.live.AddLivePoint(0, q.x, q.y) == kLiveAccepted) {
                recorded += h.recorder.RecordPenStroke(2, 0, 0, 0, q.x, q.y);
                last = q;
            }
        }
        h.live.AddLivePoint(1, last.x, last.y);
        h.recorder.RecordPenStroke(3, 0, 0, 0, 0, 0);
        h.screen.Release();
    }
    return recorded;
}

void ExpectWholeStrokes(const StrokeList& list) {
    list.Visit([](const StrokeEntry& e) {
        const auto& points = e.Points();
        ASSERT_FALSE(points.empty());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].x, points[i].y);
            if (i > 0) {
                EXPECT_GT(points[i].x, points[i - 1].x) << "points out of order";
            }
        }
    });
}

TEST(InkThreads, RedrawsDuringDrawingLoseNoPoint) {
    InkHarness h;
    std::atomic<bool> done{false};
    int64_t recorded = 0;
    std::thread worker([&] {
        recorded = DrawStrokes(h);
        done = true;
    });
    int redraws = 0;
    while (!done) {
        redraws += h.redraw.RedrawStrokes(h.lists.DesktopStrokes) ? 1 : 0;
        h.pen.colour = redraws % 2 ? 0x0000FF : 0xFF0000;  // the toolbar's colour menu
    }
    worker.join();
    EXPECT_GT(redraws, 0);
    int64_t stored = 0;
    h.lists.DesktopStrokes.Visit([&](const StrokeEntry& e) { stored += e.Points().size(); });
    EXPECT_EQ(stored, recorded);
    EXPECT_GE(h.lists.DesktopStrokes.Count(), static_cast<size_t>(kStrokes));
    ExpectWholeStrokes(h.lists.DesktopStrokes);
    EXPECT_EQ(h.canvas.OpenScreens(), 0);
}

TEST(InkThreads, FreeingAndCleaningWhileDrawingKeepsStrokesWhole) {
    InkHarness h;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        DrawStrokes(h);
        done = true;
    });
    for (int turn = 0; !done; ++turn) {
        switch (turn % 3) {
            case 0:
                h.redraw.RedrawStrokes(h.lists.DesktopStrokes);
                break;
            case 1:
                FreeStrokeList(h.lists.DesktopStrokes);
                break;
            default:
                h.cleanPending = true;
                break;
        }
    }
    worker.join();
    ExpectWholeStrokes(h.lists.DesktopStrokes);
    EXPECT_EQ(h.canvas.OpenScreens(), 0);
    EXPECT_FALSE(h.redraw.RedrawBusy);
}

}  // namespace
}  // namespace halvertone
