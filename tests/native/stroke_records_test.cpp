// Stroke records: which list a stroke goes to, what "CleanScreen" does to the desktop's list,
// and where the points of a stroke end up when the lists change under it.
#include <gtest/gtest.h>

#include "base/eraser_side.h"
#include "ink_harness.h"

namespace halvertone {
namespace {

using testing::InkHarness;

const PenStrokeData& Pen(const StrokeEntry& e) {
    return std::get<PenStrokeData>(e.data);
}
const EraserStrokeData& Eraser(const StrokeEntry& e) {
    return std::get<EraserStrokeData>(e.data);
}

TEST(EraserSide, WidthSettingsToSquareSides) {
    const std::pair<int32_t, int32_t> table[] = {{0, 5},   {1, 9},   {3, 17},  {4, 21},  {5, 31},
                                                 {10, 41}, {29, 79}, {30, 81}, {31, 80}, {100, 80}};
    for (const auto& [w, side] : table) EXPECT_EQ(EraserSide(w), side) << "width " << w;
    // Negative settings (a hand-edited file) erase like 0 instead of giving negative squares.
    EXPECT_EQ(EraserSide(-1), 5);
    EXPECT_EQ(EraserSide(INT32_MIN), 5);
}

TEST(StrokeRecorder, PenAndEraserStrokesKeepTheirFieldsInOrder) {
    InkHarness h;
    EXPECT_EQ(h.recorder.RecordPenStroke(1, 0x0000FF, 5, 1, 10, 20), 1);
    EXPECT_EQ(h.recorder.RecordPenStroke(2, 0, 0, 0, 11, 22), 1);
    EXPECT_EQ(h.recorder.RecordPenStroke(3, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(h.recorder.RecordEraserStroke(1, 7, 30, 40), 1);
    EXPECT_EQ(h.recorder.RecordEraserStroke(2, 0, 31, 41), 2);
    EXPECT_EQ(h.recorder.RecordEraserStroke(2, 0, 32, 42), 3);
    EXPECT_EQ(h.recorder.RecordEraserStroke(3, 0, 0, 0), 1);
    EXPECT_EQ(h.recorder.RecordPenStroke(9, 0, 0, 0, 0, 0), 0) << "unknown op";

    const auto entries = h.lists.DesktopStrokes.Entries();
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_EQ(entries[0].Kind(), StrokeKind::kPen);
    EXPECT_EQ(Pen(entries[0]).colour, 0x0000FFu);
    EXPECT_EQ(Pen(entries[0]).width, 5);
    EXPECT_EQ(Pen(entries[0]).highlighter, 1);
    EXPECT_EQ(Pen(entries[0]).points, (std::vector<PixelPoint>{{10, 20}, {11, 22}}));
    ASSERT_EQ(entries[1].Kind(), StrokeKind::kEraser);
    EXPECT_EQ(Eraser(entries[1]).widthSetting, 7);
    EXPECT_EQ(Eraser(entries[1]).points.size(), 3u);
    EXPECT_TRUE(h.lists.CaptureToolStrokes.Empty());
    EXPECT_EQ(h.toolbar.redrawEnabled, 1) << "only a pen stroke enables \"RedrawScreen\"";
}

TEST(StrokeRecorder, CaptureToolListOnlyWhileAllThreeConditionsHold) {
    InkHarness h;
    auto begin = [&] { h.recorder.RecordPenStroke(1, 0, 1, 0, 5, 5); };
    h.settings.captureToolFlag = true;
    h.boardToggle = true;
    h.drawingState = 0;
    begin();
    h.drawingState = 3;
    h.settings.captureToolFlag = false;
    begin();
    h.settings.captureToolFlag = true;
    h.boardToggle = false;
    begin();
    EXPECT_EQ(h.lists.DesktopStrokes.Count(), 3u);
    h.boardToggle = true;
    begin();
    h.recorder.RecordEraserStroke(1, 3, 5, 5);
    EXPECT_EQ(h.lists.CaptureToolStrokes.Count(), 2u);
    EXPECT_EQ(&h.recorder.ListInUse(), &h.lists.CaptureToolStrokes);
}

// "CleanScreen" only repaints; the strokes can still be brought back until a pen stroke begins.
TEST(StrokeRecorder, CleanPendingEmptiesTheDesktopListAtTheNextPenStrokeOnly) {
    InkHarness h;
    h.Stroke({{10, 10}, {20, 20}, {30, 30}});
    h.Stroke({{10, 50}, {20, 60}});
    h.cleanPending = true;
    // The toolbar's "RedrawScreen": clears the flag and paints the old strokes again.
    h.cleanPending = false;
    EXPECT_TRUE(h.redraw.RedrawStrokes(h.lists.DesktopStrokes));
    EXPECT_EQ(h.canvas.Count(sim::InkOp::kCardinalCurve), 2u);
    EXPECT_EQ(h.lists.DesktopStrokes.Count(), 2u);

    h.cleanPending = true;
    h.recorder.RecordEraserStroke(1, 3, 40, 40);
    EXPECT_EQ(h.lists.DesktopStrokes.Count(), 3u) << "an eraser stroke joins the old list";
    EXPECT_TRUE(h.cleanPending);
    h.recorder.RecordPenStroke(1, 0xFF, 2, 0, 70, 70);
    EXPECT_FALSE(h.cleanPending);
    const auto entries = h.lists.DesktopStrokes.Entries();
    ASSERT_EQ(entries.size(), 1u) << "the new stroke is the list's only entry";
    EXPECT_EQ(Pen(entries[0]).points.front(), (PixelPoint{70, 70}));
}

TEST(StrokeRecorder, CleanPendingEmptiesTheDesktopListEvenWhenTheCaptureToolDraws) {
    InkHarness h;
    h.Stroke({{10, 10}, {20, 20}});
    h.settings.captureToolFlag = true;
    h.boardToggle = true;
    h.drawingState = 1;
    h.Stroke({{30, 30}, {40, 40}});
    h.cleanPending = true;
    h.recorder.RecordPenStroke(1, 0, 1, 0, 50, 50);
    EXPECT_TRUE(h.lists.DesktopStrokes.Empty());
    EXPECT_EQ(h.lists.CaptureToolStrokes.Count(), 2u);
}

TEST(StrokeRecorder, PointsGoToTheStrokeThatWasBegun) {
    InkHarness h;
    h.recorder.RecordPenStroke(1, 0, 1, 0, 1, 1);  // an old desktop stroke
    h.recorder.RecordPenStroke(3, 0, 0, 0, 0, 0);
    h.settings.captureToolFlag = true;
    h.boardToggle = true;
    h.drawingState = 1;
    h.recorder.RecordPenStroke(1, 0, 1, 0, 10, 10);
    h.drawingState = 0;  // the capture tool stops drawing in the middle of the stroke
    EXPECT_EQ(h.recorder.RecordPenStroke(2, 0, 0, 0, 12, 12), 1);
    EXPECT_EQ(h.lists.CaptureToolStrokes.Entries()[0].Points().size(), 2u);
    EXPECT_EQ(h.lists.DesktopStrokes.Entries()[0].Points().size(), 1u)
        << "the old desktop stroke must not grow a line to the new position";
}

TEST(StrokeRecorder, AppendingAfterTheListWasFreedRecordsNothing) {
    InkHarness h;
    EXPECT_EQ(h.recorder.RecordPenStroke(2, 0, 0, 0, 1, 1), 0) << "no stroke begun yet";
    EXPECT_EQ(h.recorder.RecordEraserStroke(2, 0, 1, 1), 0);
    h.recorder.RecordPenStroke(1, 0, 1, 0, 5, 5);
    h.recorder.RecordEraserStroke(1, 3, 6, 6);
    FreeStrokeList(h.lists.DesktopStrokes);
    FreeStrokeList(h.lists.DesktopStrokes);  // no effect on an empty list
    EXPECT_EQ(h.recorder.RecordPenStroke(2, 0, 0, 0, 7, 7), 0);
    EXPECT_EQ(h.recorder.RecordEraserStroke(2, 0, 7, 7), 0);
    EXPECT_TRUE(h.lists.DesktopStrokes.Empty());
    // A stroke begun after the free is appended to as usual.
    h.recorder.RecordPenStroke(1, 0, 1, 0, 8, 8);
    EXPECT_EQ(h.recorder.RecordPenStroke(2, 0, 0, 0, 9, 9), 1);
    EXPECT_EQ(h.lists.DesktopStrokes.Entries()[0].Points().size(), 2u);
}

TEST(StrokeList, AppendChecksTheKindOfTheStroke) {
    StrokeList list;
    const StrokeRef pen = list.Add(StrokeEntry{PenStrokeData{1, 2, 0, {{1, 1}}}});
    EXPECT_EQ(list.AppendPoint(pen, StrokeKind::kEraser, {2, 2}), 0);
    EXPECT_EQ(list.AppendPoint(pen, StrokeKind::kPen, {2, 2}), 2);
    EXPECT_EQ(list.AppendPoint(StrokeRef{}, StrokeKind::kPen, {3, 3}), 0);
}

}  // namespace
}  // namespace halvertone
