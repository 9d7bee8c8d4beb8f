// StrokeKit.dll: highlighter strokes drawn with the pen and mix mode the caller selected
// into the device context. Entries: 0 register, 1 release, 2 segment, 3 polyline. Lines are
// drawn exactly through the given points: the smoothing switch changes nothing, and a
// segment's end point is never moved.
#include <windows.h>

#include "kits/kit_table.h"

namespace halvertone::kits {
namespace {

int Register() {
    return 1;
}

void Release() {}

void StrokeSegment(HDC dc, POINT* previous, POINT* next) {
    if (!dc || !previous || !next) return;
    MoveToEx(dc, previous->x, previous->y, nullptr);
    LineTo(dc, next->x, next->y);
}

void StrokePolyline(HDC dc, const POINT* points, int count) {
    if (!dc || !points || count < 2) return;
    Polyline(dc, points, count);
}

std::array<KitFunction, stroke_kit::kTableSize> BuildTable() {
    auto table = StubTable<stroke_kit::kTableSize>();
    table[stroke_kit::kRegister] = AsEntry(&Register);
    table[stroke_kit::kRelease] = AsEntry(&Release);
    table[stroke_kit::kSegment] = AsEntry(&StrokeSegment);
    table[stroke_kit::kPolyline] = AsEntry(&StrokePolyline);
    return table;
}

}  // namespace
}  // namespace halvertone::kits

extern "C" __declspec(dllexport)
    halvertone::kits::KitFunction* SK_GetFunctionTable(int /*smoothing*/) {
    static auto table = halvertone::kits::BuildTable();
    return table.data();
}
