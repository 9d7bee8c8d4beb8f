#pragma once
// The performance counter in microseconds: one clock for every process of the session, so the
// virtual webcam's frame stamps and the cursor watch's event stamps can be subtracted.
#include <windows.h>

namespace halvertone {

inline long long PerformanceMicroseconds() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart / frequency * 1'000'000 + now.QuadPart % frequency * 1'000'000 / frequency;
}

}  // namespace halvertone
