// The live pen stroke: thinning, the jump break, four-point Bezier pieces sharing their ends,
// the final piece at pen up, the start dot, and the highlighter path through the stroke library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ink_harness.h"

namespace halvertone {
namespace {

using sim::InkOp;
using testing::InkHarness;

std::vector<std::string> Lines(const std::vector<sim::InkCall>& calls) {
    std::vector<std::string> out;
    for (const auto& c : calls) out.push_back(sim::Describe(c));
    return out;
}

std::vector<PixelPoint> BufferPoints(const LiveStroke& live) {
    const SegmentBuffer& sb = live.Buffer();
    return {sb.points.begin(), sb.points.begin() + sb.count};
}

// A live stroke whose buffer already holds `points`, with the screen taken.
struct Live : InkHarness {
    explicit Live(std::vector<PixelPoint> points = {{100, 100}}) {
        screen.Acquire(false, pen.Pen());
        for (PixelPoint p : points) live.Buffer().Append(p);
    }
    size_t PenPixels() const { return canvas.Screen().CountOf(pen.colour); }
};

TEST(LiveStroke, DefaultThinningNeedsTwoPixelsOnEachAxisAndASquaredDistanceOfTen) {
    Live h;
    EXPECT_EQ(h.live.AddLivePoint(0, 110, 100), kLiveRejected) << "horizontal move, dy = 0";
    EXPECT_EQ(h.live.AddLivePoint(0, 130, 101), kLiveRejected) << "dy = 1";
    EXPECT_EQ(h.live.AddLivePoint(0, 101, 130), kLiveRejected) << "dx = 1";
    EXPECT_EQ(h.live.AddLivePoint(0, 102, 98), kLiveRejected) << "8 < 10";
    EXPECT_EQ(BufferPoints(h.live), (std::vector<PixelPoint>{{100, 100}})) << "nothing changed";
    EXPECT_EQ(h.live.AddLivePoint(0, 110, 102), kLiveAccepted);
    EXPECT_EQ(h.live.AddLivePoint(0, 108, 99), kLiveAccepted) << "negative moves count by size";
    EXPECT_EQ(BufferPoints(h.live), (std::vector<PixelPoint>{{100, 100}, {110, 102}, {108, 99}}));
    EXPECT_TRUE(h.canvas.Calls().size() == 1) << "only the screen was taken; nothing drawn yet";
}

TEST(LiveStroke, ThinningSettingsAreReadAtEachPoint) {
    Live h;
    h.settings.drawSensitivityY = 0;
    EXPECT_EQ(h.live.AddLivePoint(0, 104, 100), kLiveAccepted) << "4 pixels, 16 >= 10";
    h.settings.drawSensitivity = 100;
    EXPECT_EQ(h.live.AddLivePoint(0, 113, 100), kLiveRejected);
    EXPECT_EQ(h.live.AddLivePoint(0, 114, 100), kLiveAccepted);
}

TEST(LiveStroke, AMoveOfEightyPixelsOnEitherAxisBreaksTheStroke) {
    for (const PixelPoint far :
         {PixelPoint{180, 102}, PixelPoint{20, 102}, PixelPoint{102, 180}, PixelPoint{102, 20}}) {
        Live h;
        EXPECT_EQ(h.live.AddLivePoint(0, far.x, far.y), kLiveJump) << far.x << "," << far.y;
        EXPECT_EQ(BufferPoints(h.live), (std::vector<PixelPoint>{far}));
        EXPECT_EQ(h.canvas.Calls().size(), 1u) << "a single pending point draws nothing";
    }
    for (const PixelPoint near :
         {PixelPoint{179, 102}, PixelPoint{21, 98}, PixelPoint{102, 179}, PixelPoint{98, 21}}) {
        Live h;
        EXPECT_EQ(h.live.AddLivePoint(0, near.x, near.y), kLiveAccepted) << near.x << "," << near.y;
    }
}

TEST(LiveStroke, AJumpDrawsThePendingPieceFirst) {
    Live two({{10, 10}, {20, 20}});
    EXPECT_EQ(two.live.AddLivePoint(0, 150, 20), kLiveJump);
    EXPECT_EQ(Lines(two.canvas.CallsOf(InkOp::kTautCurve)),
              (std::vector<std::string>{"curve2 10 10 20 20"}));
    Live three({{10, 10}, {20, 20}, {30, 25}});
    EXPECT_EQ(three.live.AddLivePoint(0, 150, 20), kLiveJump);
    EXPECT_EQ(Lines(three.canvas.CallsOf(InkOp::kBeziers)),
              (std::vector<std::string>{"beziers 3 10 10 20 20 30 25"}));
    EXPECT_EQ(three.PenPixels(), 0u) << "three points are no Bezier piece";
    EXPECT_EQ(BufferPoints(three.live), (std::vector<PixelPoint>{{150, 20}}));
}

TEST(LiveStroke, EveryFourPointsMakeOneBezierPieceSharingItsEnds) {
    Live h(std::vector<PixelPoint>{});
    std::vector<PixelPoint> path;
    for (int i = 0; i < 10; ++i) path.push_back({20 + 10 * i, 30 + 5 * i});
    for (PixelPoint p : path) ASSERT_EQ(h.live.AddLivePoint(0, p.x, p.y), kLiveAccepted);
    const auto pieces = h.canvas.CallsOf(InkOp::kBeziers);
    ASSERT_EQ(pieces.size(), 3u);
    for (size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_EQ(pieces[k].points,
                  std::vector<PixelPoint>(path.begin() + 3 * k, path.begin() + 3 * k + 4));
        EXPECT_EQ(pieces[k].pen, (InkPen{0xFF0000, 3}));
    }
    EXPECT_EQ(BufferPoints(h.live), (std::vector<PixelPoint>{path[9]}));
    // The pieces really reach the screen, end points included.
    for (PixelPoint p : {path[0], path[3], path[6], path[9]})
        EXPECT_EQ(h.canvas.Screen().At(p.x, p.y), 0xFF0000u) << p.x << "," << p.y;
}

TEST(LiveStroke, FinalCallDrawsWhatIsLeft) {
    Live one({{10, 10}});
    EXPECT_EQ(one.live.AddLivePoint(1, 10, 10), kLiveFinalDone);
    EXPECT_EQ(Lines(one.canvas.CallsOf(InkOp::kTautCurve)),
              (std::vector<std::string>{"curve2 10 10 10 10"}));

    Live none(std::vector<PixelPoint>{});
    none.live.AddLivePoint(1, 10, 10);
    EXPECT_EQ(none.canvas.Calls().size(), 1u) << "a single point draws nothing";

    // A flush of three points is no Bezier piece: the tail waits for the next redraw.
    Live two({{10, 10}, {20, 20}});
    two.live.AddLivePoint(1, 30, 25);
    EXPECT_EQ(Lines(two.canvas.CallsOf(InkOp::kBeziers)),
              (std::vector<std::string>{"beziers 3 10 10 20 20 30 25"}));
    EXPECT_EQ(two.PenPixels(), 0u);

    Live three({{10, 10}, {20, 20}, {30, 25}});
    three.live.AddLivePoint(1, 40, 40);
    EXPECT_EQ(three.canvas.Count(InkOp::kBeziers), 1u);
    EXPECT_GT(three.PenPixels(), 0u);
    EXPECT_EQ(three.live.Buffer().count, 4) << "the next stroke empties the buffer, not this call";
}

TEST(LiveStroke, FlushLeavesOutPointsOnTheTopRowOrLeftColumn) {
    Live middle({{5, 5}, {0, 7}, {9, 9}, {12, 12}});
    middle.live.FlushSegmentBuffer();
    Live tail({{5, 5}, {7, 7}, {9, 9}, {12, 0}});
    tail.live.FlushSegmentBuffer();
    Live all({{0, 5}, {7, 0}});
    all.live.FlushSegmentBuffer();
    EXPECT_EQ(Lines(middle.canvas.CallsOf(InkOp::kBeziers)),
              (std::vector<std::string>{"beziers 4 5 5 0 0 9 9 12 12"}));
    EXPECT_EQ(Lines(tail.canvas.CallsOf(InkOp::kBeziers)),
              (std::vector<std::string>{"beziers 3 5 5 7 7 9 9"}));
    EXPECT_EQ(Lines(all.canvas.CallsOf(InkOp::kBeziers)), (std::vector<std::string>{"beziers 0"}));
    EXPECT_EQ(middle.live.Buffer().count, 4) << "a flush does not change the buffer";
}

TEST(LiveStroke, ATapRecordsThePointAndItsDiagonalNeighbourAndShowsADot) {
    InkHarness h;
    h.Stroke({{50, 60}});
    const auto entries = h.lists.DesktopStrokes.Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Points(), (std::vector<PixelPoint>{{50, 60}, {51, 61}}));
    EXPECT_EQ(Lines(h.canvas.CallsOf(InkOp::kTautCurve)),
              (std::vector<std::string>{"curve2 51 61 50 60", "curve2 51 61 51 61"}));
    EXPECT_EQ(h.canvas.Screen().At(50, 60), 0xFF0000u);
    EXPECT_EQ(h.canvas.Screen().At(51, 61), 0xFF0000u);
    EXPECT_EQ(h.canvas.OpenScreens(), 0);
}

TEST(LiveStroke, AStrokeRecordsEveryAcceptedPoint) {
    InkHarness h;
    h.Stroke({{20, 20}, {21, 21}, {30, 25}, {31, 25}, {40, 40}, {50, 45}, {60, 60}});
    EXPECT_EQ(
        h.lists.DesktopStrokes.Entries()[0].Points(),
        (std::vector<PixelPoint>{{20, 20}, {21, 21}, {30, 25}, {40, 40}, {50, 45}, {60, 60}}));
    // Buffer: (21,21) (30,25) (40,40) (50,45) drawn; then (50,45) (60,60) + the final point.
    EXPECT_EQ(Lines(h.canvas.CallsOf(InkOp::kBeziers)),
              (std::vector<std::string>{"beziers 4 21 21 30 25 40 40 50 45",
                                        "beziers 3 50 45 60 60 60 60"}));
}

TEST(LiveStroke, WithoutAScreenContextNothingIsDrawnButTheStartIsStillRecorded) {
    InkHarness h;
    h.recorder.RecordPenStroke(1, 0xFF0000, 3, 0, 30, 30);
    PixelPoint p{30, 30};
    h.live.DrawStrokePiece(p, p, true);
    EXPECT_EQ(p, (PixelPoint{31, 31}));
    EXPECT_EQ(h.canvas.Calls().size(), 0u);
    EXPECT_EQ(h.lists.DesktopStrokes.Entries()[0].Points().back(), (PixelPoint{31, 31}));
}

TEST(LiveStroke, HighlighterDrawsThroughTheStrokeLibraryAndTintsTheScreen) {
    InkHarness h;
    for (auto& px : h.canvas.Screen().pixels) px = 0x00C0C0C0;  // a light grey desktop
    h.pen.highlighter = true;
    h.pen.colour = 0x0000FFFF;  // yellow
    h.pen.width = 1;
    h.canvas.Options().segmentEndShift = {2, 0};  // the library moves the dot's end
    const PixelPoint start = h.PenDown({40, 40});
    EXPECT_EQ(start, (PixelPoint{43, 41})) << "the moved end point is used from then on";
    for (int i = 1; i <= 3; ++i) h.Move({43 + 10 * i, 41 + 5 * i});
    h.PenUp({73, 56});

    EXPECT_EQ(
        Lines(h.canvas.Calls()),
        (std::vector<std::string>{"open-screen", "pen 65535 1", "rop 9", "segment 40 40 43 41",
                                  "polyline 4 43 41 53 46 63 51 73 56", "polyline 2 73 56 73 56",
                                  "rop 13", "restore-pen", "close-screen"}));
    EXPECT_EQ(h.lists.DesktopStrokes.Entries()[0].Points().front(), (PixelPoint{40, 40}));
    EXPECT_EQ(h.lists.DesktopStrokes.Entries()[0].Points()[1], (PixelPoint{43, 41}));
    EXPECT_EQ(h.canvas.Screen().At(53, 46), 0x0000C0C0u) << "grey AND yellow";
    EXPECT_EQ(h.canvas.Screen().At(10, 10), 0x00C0C0C0u);
}

// The start dot is appended after a final call may have filled the buffer; nothing may be
// written past it, and an over-full buffer is flushed and restarted like a full one.
TEST(LiveStroke, AnOverFullBufferIsNeverWrittenPast) {
    Live h({{10, 10}, {20, 20}, {30, 25}});
    h.live.AddLivePoint(1, 40, 40);
    PixelPoint p{60, 60};
    h.live.DrawStrokePiece(p, p, true);
    EXPECT_EQ(h.live.Buffer().count, 5);
    for (int i = 0; i < 3; ++i) h.live.Buffer().Append({70 + i, 70});
    PixelPoint q{90, 90};
    h.live.DrawStrokePiece(q, q, true);
    EXPECT_EQ(h.live.Buffer().count, SegmentBuffer::kCapacity);
    EXPECT_EQ(h.live.AddLivePoint(1, 95, 95), kLiveFinalDone);
    EXPECT_EQ(h.live.Buffer().count, SegmentBuffer::kCapacity);

    Live five({{10, 10}, {20, 20}, {30, 25}, {40, 40}, {50, 45}});
    EXPECT_EQ(five.live.AddLivePoint(0, 60, 60), kLiveAccepted);
    EXPECT_EQ(BufferPoints(five.live), (std::vector<PixelPoint>{{60, 60}}));
}

TEST(ScreenContext, PenUpRestoresWhatPenDownSelectedWhateverTheFlagSaysNow) {
    InkHarness h;
    h.pen.highlighter = false;
    h.PenDown({20, 20});
    h.pen.highlighter = true;  // switched on in the middle of the stroke
    h.PenUp({21, 21});
    for (const auto& c : h.canvas.Calls()) {
        EXPECT_NE(c.op, InkOp::kRestorePen);
        EXPECT_NE(c.op, InkOp::kSetRasterOp);
    }
    EXPECT_EQ(h.canvas.OpenScreens(), 0);
}

}  // namespace
}  // namespace halvertone
