// The toolbar's timers: it stays on top, watches that camera frames arrive, and reconnects
// the camera when they stop.
#include "annotation/win32/draw_toolbar_dlg.h"
#include "base/camera_connected.h"
#include "base/modal_ui.h"

namespace halvertone {
namespace {

constexpr uint32_t kTurnAfterReconnectMs = 1000;

}  // namespace

void CDrawToolbarDlg::KeepOnTop() {
    if (ModalUiActive() != 0 || !Visible()) return;
    HWND hwnd = Handle();
    RECT r{};
    GetWindowRect(hwnd, &r);
    HWND found = WindowFromPoint(POINT{r.left + 2, r.top + 2});
    // A point on one of the buttons finds the button: it still is the toolbar.
    if (found && GetAncestor(found, GA_ROOT) == hwnd) return;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CDrawToolbarDlg::Watchdog() {
    if (c_.ring->TakeFrameArrived()) return;
    HWND hwnd = Handle();
    ::KillTimer(hwnd, kWatchdogTimer);
    if (c_.camera.showIcon) c_.camera.showIcon(false);
    ::SetTimer(hwnd, kReconnectTimer, kReconnectMs, nullptr);
    if (c_.settings->operationMode == 0) Hide();
    CameraConnected() = 0;
}

void CDrawToolbarDlg::Reconnect() {
    HWND hwnd = Handle();
    ::KillTimer(hwnd, kReconnectTimer);
    const bool afterApply = reconnectAfterApply_;
    reconnectAfterApply_ = false;
    const bool ok = c_.camera.reconnect && c_.camera.reconnect();
    if (!ok) {
        ::SetTimer(hwnd, kReconnectTimer, kReconnectMs, nullptr);
    } else {
        if (c_.camera.showIcon) c_.camera.showIcon(true);
        if (c_.settings->operationMode == 0) Show();
        ::SetTimer(hwnd, kWatchdogTimer, kWatchdogMs, nullptr);
        c_.clock->SleepMs(kTurnAfterReconnectMs);
        if (c_.camera.turnImage) c_.camera.turnImage();
        CameraConnected() = 1;
    }
    // The apply step leaves the modal state set for its reconnect; without this the toolbar
    // would never be kept on top again.
    if (afterApply) ModalUiActive() = 0;
}

}  // namespace halvertone
