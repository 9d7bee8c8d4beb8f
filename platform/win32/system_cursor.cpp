#include "platform/win32/system_cursor.h"

#include <windows.h>

namespace halvertone::win32 {

PixelPoint SystemCursor::Get() const {
    POINT p{};
    if (!GetCursorPos(&p)) return {};
    return {p.x, p.y};
}

}  // namespace halvertone::win32
