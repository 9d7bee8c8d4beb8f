#pragma once
// The two drawing entries of the stroke library's function table that highlighter strokes
// use. Both draw with the pen and mix mode selected into the context.
//
// Without the library (no table, or an empty entry) the same calls draw plain GDI lines with
// that pen and mix mode, so the highlighter still tints, only without the library's
// smoothing; the segment's end point is then left as it is.
#include <windows.h>

#include "platform/win32/kit_interface.h"

namespace halvertone::win32 {

class StrokeKitCalls {
  public:
    // `table` is the library's function table, or null without the library.
    explicit StrokeKitCalls(kits::KitFunction* table = nullptr);

    // Draws from *start to *end; may move *end.
    void StrokeSegment(HDC dc, POINT* start, POINT* end) const;
    void StrokePolyline(HDC dc, const POINT* points, int count) const;

  private:
    kits::stroke_kit::SegmentFn segment_ = nullptr;
    kits::stroke_kit::PolylineFn polyline_ = nullptr;
};

}  // namespace halvertone::win32
