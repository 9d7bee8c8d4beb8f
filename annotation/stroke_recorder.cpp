#include "annotation/stroke_recorder.h"

#include <utility>

namespace halvertone {

StrokeRecorder::StrokeRecorder(StrokeLists& lists, SharedValue<bool>& cleanPending,
                               InkToolbar& toolbar, std::function<bool()> captureToolDrawing)
    : lists_(lists),
      cleanPending_(cleanPending),
      toolbar_(toolbar),
      captureToolDrawing_(std::move(captureToolDrawing)) {}

StrokeList& StrokeRecorder::ListInUse() const {
    return captureToolDrawing_ && captureToolDrawing_() ? lists_.CaptureToolStrokes
                                                        : lists_.DesktopStrokes;
}

int32_t StrokeRecorder::Append(OpenStroke& open, StrokeKind kind, PixelPoint p) {
    if (open.list == nullptr) return 0;
    return open.list->AppendPoint(open.ref, kind, p);
}

int32_t StrokeRecorder::RecordPenStroke(int32_t op, uint32_t colour, int32_t width,
                                        int32_t highlighter, int32_t x, int32_t y) {
    std::lock_guard lock(openMutex_);
    switch (op) {
        case 1: {
            StrokeList& list = ListInUse();
            // Always the desktop's list: "CleanScreen" cleared the desktop, whichever list
            // the new stroke goes to.
            if (cleanPending_.exchange(false)) FreeStrokeList(lists_.DesktopStrokes);
            PenStrokeData data{colour, width, highlighter, {{x, y}}};
            openPen_ = {&list, list.Add(StrokeEntry{std::move(data)})};
            toolbar_.EnableRedrawButton();
            return openPen_.ref ? 1 : 0;
        }
        case 2:
            return Append(openPen_, StrokeKind::kPen, {x, y}) != 0 ? 1 : 0;
        case 3:
            // An ended stroke takes no more points; a stray append must not grow it.
            openPen_ = {};
            return 1;
        default:
            return 0;
    }
}

int32_t StrokeRecorder::RecordEraserStroke(int32_t op, int32_t widthSetting, int32_t x, int32_t y) {
    std::lock_guard lock(openMutex_);
    switch (op) {
        case 1: {
            StrokeList& list = ListInUse();
            EraserStrokeData data{widthSetting, {{x, y}}};
            openEraser_ = {&list, list.Add(StrokeEntry{std::move(data)})};
            return openEraser_.ref ? 1 : 0;
        }
        case 2:
            return Append(openEraser_, StrokeKind::kEraser, {x, y});
        case 3:
            openEraser_ = {};
            return 1;
        default:
            return 0;
    }
}

}  // namespace halvertone
