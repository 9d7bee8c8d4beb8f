#include "platform/win32/stroke_kit_calls.h"

namespace halvertone::win32 {

StrokeKitCalls::StrokeKitCalls(kits::KitFunction* table) {
    if (table == nullptr) return;
    segment_ = kits::TableEntry<kits::stroke_kit::SegmentFn>(table, kits::stroke_kit::kSegment);
    polyline_ = kits::TableEntry<kits::stroke_kit::PolylineFn>(table, kits::stroke_kit::kPolyline);
}

void StrokeKitCalls::StrokeSegment(HDC dc, POINT* start, POINT* end) const {
    if (segment_ != nullptr) {
        segment_(dc, start, end);
        return;
    }
    POINT line[2] = {*start, *end};
    Polyline(dc, line, 2);
}

void StrokeKitCalls::StrokePolyline(HDC dc, const POINT* points, int count) const {
    if (polyline_ != nullptr) {
        polyline_(dc, points, count);
        return;
    }
    if (count >= 2) Polyline(dc, points, count);
}

}  // namespace halvertone::win32
