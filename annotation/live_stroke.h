#pragma once
// Live drawing of the pen stroke in progress: positions are thinned, collected four at a time
// and drawn as one cubic Bezier piece each (consecutive pieces share their end points), or
// through the stroke library in highlighter mode. Only the newest piece is ever drawn.
//
// Used by the worker of the pen tool, one frame at a time; not for concurrent callers.
#include <cstdint>

#include "annotation/pen_attributes.h"
#include "annotation/screen_context.h"
#include "annotation/segment_buffer.h"
#include "annotation/stroke_recorder.h"
#include "base/settings.h"

namespace halvertone {

enum LivePointResult : uint16_t {
    kLiveFinalDone = 0,  // pen up: the remaining piece was drawn
    kLiveRejected = 1,   // too close to the last point; nothing changed
    kLiveJump = 2,       // 80 pixels or more: pending piece drawn, buffer holds only this point
    kLiveAccepted = 3,   // buffered, and drawn when the buffer filled
};

inline constexpr int32_t kLiveJumpPixels = 80;
inline constexpr size_t kFlushPoints = 512;

class LiveStroke {
  public:
    LiveStroke(ScreenContext& screen, const PenAttributes& pen, const Settings& settings,
               StrokeRecorder& recorder);

    SegmentBuffer& Buffer() { return segmentBuffer_; }
    const SegmentBuffer& Buffer() const { return segmentBuffer_; }

    // final != 0 is the pen-up call with the last accepted position. Thinning uses
    // "Draw Sensitivity-x", "Draw Sensitivity-y" (minimum distance along each axis) and
    // "Draw Sensitivity" (minimum squared distance), read at each call.
    uint16_t AddLivePoint(int32_t final, int32_t x, int32_t y);

    // Draws the buffer's points as they are; the buffer is not changed.
    void FlushSegmentBuffer();

    // starting: the start dot of a stroke, with a and b the same point P. The dot runs from
    // P + (1, 1) (which the stroke library may move in highlighter mode) to P; that end point
    // is appended to the buffer and to the stroke, and written back into b.
    // Not starting: the straight piece from a to b.
    void DrawStrokePiece(const PixelPoint& a, PixelPoint& b, bool starting);

  private:
    void DrawPendingPiece();

    ScreenContext& screen_;
    const PenAttributes& pen_;
    const Settings& settings_;
    StrokeRecorder& recorder_;
    SegmentBuffer segmentBuffer_;
};

}  // namespace halvertone
