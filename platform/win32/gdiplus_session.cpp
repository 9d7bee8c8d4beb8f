#include "platform/win32/gdiplus_session.h"

#include "platform/win32/gdiplus_headers.h"

namespace halvertone::win32 {

bool EnsureGdiplus() {
    // Never shut down: the tool workers are not joined and may still be drawing while the
    // process runs its exit handlers, and the system frees GDI+ with the process anyway.
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

}  // namespace halvertone::win32
