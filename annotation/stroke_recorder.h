#pragma once
// Records strokes into the list in use: the capture tool's list while the capture tool draws,
// else the desktop's. A stroke's points go to the stroke that was begun, even when the list in
// use changes or the list is freed while the stroke is being drawn.
#include <cstdint>
#include <functional>
#include <mutex>

#include "annotation/stroke_list.h"
#include "base/shared_value.h"
#include "annotation/ink_toolbar.h"

namespace halvertone {

struct StrokeLists {
    StrokeList DesktopStrokes;
    StrokeList CaptureToolStrokes;
};

class StrokeRecorder {
  public:
    // `cleanPending` is the toolbar's flag set by "CleanScreen": the next pen stroke empties
    // DesktopStrokes first. `captureToolDrawing` tells which list is in use.
    StrokeRecorder(StrokeLists& lists, SharedValue<bool>& cleanPending, InkToolbar& toolbar,
                   std::function<bool()> captureToolDrawing);

    StrokeList& ListInUse() const;

    // op 1 begins a pen stroke at (x, y) with the given pen, op 2 appends (x, y) to it, op 3
    // ends it (later appends store nothing until the next begin). Returns 1, or 0 when the
    // point could not be stored (or the op is unknown).
    int32_t RecordPenStroke(int32_t op, uint32_t colour, int32_t width, int32_t highlighter,
                            int32_t x, int32_t y);
    // op 1 begins an eraser stroke (returns 1), op 2 appends and returns the new point count
    // (0 when there is no stroke to append to), op 3 ends it (returns 1).
    int32_t RecordEraserStroke(int32_t op, int32_t widthSetting, int32_t x, int32_t y);

  private:
    struct OpenStroke {
        StrokeList* list = nullptr;
        StrokeRef ref;
    };
    int32_t Append(OpenStroke& open, StrokeKind kind, PixelPoint p);

    StrokeLists& lists_;
    SharedValue<bool>& cleanPending_;
    InkToolbar& toolbar_;
    std::function<bool()> captureToolDrawing_;

    std::mutex openMutex_;  // the pen and the eraser worker take turns, never both at once
    OpenStroke openPen_;
    OpenStroke openEraser_;
};

}  // namespace halvertone
