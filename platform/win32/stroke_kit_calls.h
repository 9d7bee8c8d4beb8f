#pragma once
// The two drawing entries of the stroke library's function table that highlighter strokes
// use. Both draw with the pen and mix mode selected into the context.
//
// Without the library (no table, or an empty entry) the same calls draw plain GDI lines with
// that pen and mix mode, so the highlighter still tints, only without the library's
// smoothing; the segment's end point is then left as it is.
#include <windows.h>

namespace halvertone::win32 {

// The table as the library hands it out: entries counted from 0.
using StrokeKitTable = void (*const*)();

inline constexpr int kStrokeSegmentEntry = 2;
inline constexpr int kStrokePolylineEntry = 3;

// Draws from *start to *end; may move *end.
using StrokeSegmentFn = void (*)(HDC dc, POINT* start, POINT* end);
using StrokePolylineFn = void (*)(HDC dc, const POINT* points, int count);

class StrokeKitCalls {
  public:
    explicit StrokeKitCalls(StrokeKitTable table = nullptr);

    void StrokeSegment(HDC dc, POINT* start, POINT* end) const;
    void StrokePolyline(HDC dc, const POINT* points, int count) const;
    bool FromLibrary() const { return segment_ != nullptr && polyline_ != nullptr; }

  private:
    StrokeSegmentFn segment_ = nullptr;
    StrokePolylineFn polyline_ = nullptr;
};

}  // namespace halvertone::win32
