#include "platform/win32/desktop_repainter.h"

#include <windows.h>

namespace halvertone {

void DesktopRepainter::RepaintAll(bool erase) {
    // No window means the desktop and every window on it, painted before the call returns.
    // The system erases the backgrounds of a whole-desktop repaint whatever the flags say;
    // RDW_ERASE still asks for it explicitly where that matters.
    UINT flags = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    if (erase) flags |= RDW_ERASE;
    RedrawWindow(nullptr, nullptr, nullptr, flags);
}

}  // namespace halvertone
