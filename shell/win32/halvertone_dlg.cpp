#include "shell/win32/halvertone_dlg.h"

#include <objbase.h>

#include <cstdio>
#include <mutex>

#include "base/camera_connected.h"
#include "base/modal_ui.h"
#include "calibration/table_builder.h"
#include "capture/camera_ids.h"
#include "capture/camera_rebuild.h"
#include "capture/win32/grabber_callback.h"
#include "platform/program_log.h"
#include "resources/resource.h"
#include "shell/text_table.h"
#include "shell/win32/camera_tray_items.h"

namespace halvertone {
namespace {

constexpr int kMenuCalibration = 32788;
constexpr int kMenuProjectionDistance = 32805;
constexpr int kMenuAbout = 32798;
constexpr int kMenuExit = 32773;
constexpr UINT kPerFrameMouse = WM_APP + 2;
constexpr UINT kPerFrameEraser = WM_APP + 5;
constexpr COLORREF kStatusRed = 0x0000FF;
constexpr UINT kCameraSettleMs = 100;
// A camera found again gets its image turn once it has settled.
constexpr uint32_t kTurnAfterReconnectMs = 1000;

void SetMenuText(HMENU menu, UINT id, const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    std::string buffer = text;
    info.dwTypeData = buffer.data();
    SetMenuItemInfoA(menu, id, FALSE, &info);
}

int RefreshMenu(void* data) {
    auto* dlg = static_cast<CHalvertoneDlg*>(data);
    dlg->MarkPreciseMapping();
    dlg->Tray().SetMenu(dlg->TrayMenu());
    return 1;
}

}  // namespace

CHalvertoneDlg::CHalvertoneDlg(MainWindowContext context) : c_(std::move(context)) {}

CHalvertoneDlg::~CHalvertoneDlg() {
    if (proxy_) proxy_ = nullptr;
    if (menu_) DestroyMenu(menu_);
    tray_.ShowIcon(-1);
}

std::string CHalvertoneDlg::Text(const char* section, const char* key, size_t chars) const {
    return c_.language->GetString(section, key, "", chars);
}

bool CHalvertoneDlg::Create() {
    return CreateModeless(c_.resources, kTemplateId, nullptr);
}

void CHalvertoneDlg::Destroy() {
    if (HWND hwnd = Handle()) DestroyWindow(hwnd);
}

void CHalvertoneDlg::OnInitDialog() {
    const std::string about = ReadText(*c_.language, TextId::kMenuAboutSystemMenu);
    if (!about.empty()) {
        HMENU system = GetSystemMenu(Handle(), FALSE);
        if (system) {
            AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(system, MF_STRING, kSystemAboutId, about.c_str());
        }
    }
    HICON icon = LoadIconA(c_.resources, MAKEINTRESOURCEA(kIconId));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    trayMessage_ = RegisterWindowMessageA("Tarnwick Demo");
    BuildMenu();
    CTrayIcon::Descriptor d;
    d.owner = Handle();
    d.callbackMessage = trayMessage_;
    d.doubleClickCommand = kShowMainWindowCommand;
    d.menu = subMenu_;
    d.menuOpen = RefreshMenu;
    d.menuOpenData = this;
    tray_.Attach(d);
    AddTrayIcons();

    SetDlgItemTextA(Handle(), kStatusLineId,
                    ReadText(*c_.language, TextId::kCheckEnvNgMessage).c_str());
    // The window shows itself when the room check fails: its button opens the camera view,
    // where the light shows up, without a question in the way of the start-up.
    const std::string view = ReadText(*c_.language, TextId::kMenuCameraView);
    if (view.empty())
        ShowWindow(GetDlgItem(Handle(), ID_CAMERA_VIEW), SW_HIDE);
    else
        SetDlgItemTextA(Handle(), ID_CAMERA_VIEW, view.c_str());
    SetWindowTextA(Handle(), ReadText(*c_.language, TextId::kMainWindowCaption).c_str());
}

void CHalvertoneDlg::BuildMenu() {
    menu_ = LoadMenuA(c_.resources, MAKEINTRESOURCEA(kMenuId));
    subMenu_ = menu_ ? GetSubMenu(menu_, 0) : nullptr;
    if (!subMenu_) return;
    SetMenuText(subMenu_, kMenuCalibration, ReadText(*c_.language, TextId::kMenuCalibration));
    SetMenuText(subMenu_, kMenuProjectionDistance,
                ReadText(*c_.language, TextId::kMenuProjectionDistance));
    SetMenuText(subMenu_, kMenuAbout, ReadText(*c_.language, TextId::kMenuAboutTray));
    SetMenuText(subMenu_, kMenuExit, ReadText(*c_.language, TextId::kMenuExit));
    // The mouse-mode dialog has no other way in: its item goes right after the distance item.
    const int count = GetMenuItemCount(subMenu_);
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(subMenu_, i) != kMenuProjectionDistance) continue;
        const std::string text = Text("String Table", "Menu_MouseMode", 150);
        if (text.empty()) break;
        InsertMenuA(subMenu_, i + 1, MF_BYPOSITION | MF_STRING, kMouseModeCommand, text.c_str());
        break;
    }
    // The mapping choice goes right after the calibration it applies to.
    for (int i = 0; i < GetMenuItemCount(subMenu_); ++i) {
        if (GetMenuItemID(subMenu_, i) != kMenuCalibration) continue;
        const std::string text = Text("String Table", "Menu_PreciseMapping", 150);
        if (text.empty()) break;
        InsertMenuA(subMenu_, i + 1, MF_BYPOSITION | MF_STRING, kPreciseMappingCommand,
                    text.c_str());
        break;
    }
    AddCameraTrayItems(subMenu_, *c_.language);
    MarkPreciseMapping();
}

void CHalvertoneDlg::MarkPreciseMapping() {
    if (!subMenu_ || !c_.settings) return;
    const bool precise = c_.settings->mappingMode == kPreciseMapping;
    CheckMenuItem(subMenu_, kPreciseMappingCommand,
                  MF_BYCOMMAND | (precise ? MF_CHECKED : MF_UNCHECKED));
}

void CHalvertoneDlg::AddTrayIcons() {
    // The directory ends with a backslash, so the path holds two in a row; Windows takes it.
    connectedIcon_ = tray_.AddIcon(c_.programDirectory + "\\Icon\\Connect.ico",
                                   ReadText(*c_.language, TextId::kConnectTooltips));
    disconnectedIcon_ = tray_.AddIcon(c_.programDirectory + "\\Icon\\Disconnect.ico",
                                      ReadText(*c_.language, TextId::kDisconnectTooltips));
    // The same picture, with a tip that says why the pen cannot be seen.
    wrongSizeIcon_ = tray_.AddIcon(c_.programDirectory + "\\Icon\\Disconnect.ico",
                                   ReadText(*c_.language, TextId::kMsgCameraNo640x480));
    tray_.ShowIcon(connectedIcon_);
}

void CHalvertoneDlg::ShowCameraIcon(bool connected) {
    const bool wrongSize = graph_.LastResult() == kWrongFrameSize && wrongSizeIcon_ >= 0;
    tray_.ShowIcon(connected ? connectedIcon_ : wrongSize ? wrongSizeIcon_ : disconnectedIcon_);
}

void CHalvertoneDlg::Start(TrackingEngine& engine) {
    engine_ = &engine;
    StartCamera();
}

void CHalvertoneDlg::StartCamera() {
    GrabberCallback::Instance().SetRing(&engine_->ring);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Without ids nothing would be matched: let the user pick one of the cameras present.
    if (c_.settings->cameraIdCount == 0 && c_.offerCameraChoice) c_.offerCameraChoice(Handle());
    graph_.SetWrongSizeText(ReadText(*c_.language, TextId::kMsgCameraNo640x480));
    const HRESULT hr = graph_.Build(true, CameraIdsFrom(*c_.settings),
                                    ReadText(*c_.language, TextId::kMsgCameraNoFind),
                                    GetDlgItem(Handle(), kVideoAreaId));
    engine_->ring.ClearFrameArrived();
    Sleep(kCameraSettleMs);
    CameraConnected() = hr == 0 ? 1 : 0;
    if (hr != 0) ShowCameraIcon(false);
}

bool CHalvertoneDlg::Reconnect() {
    const bool ok = RebuildCamera(
        engine_->ring, [this] { graph_.TearDown(); },
        [this] {
            return graph_.Build(false, CameraIdsFrom(*c_.settings), std::string(),
                                GetDlgItem(Handle(), kVideoAreaId)) == 0;
        });
    // A camera found again that cannot deliver 640 x 480 says so in the tray tip.
    if (!ok) ShowCameraIcon(false);
    // Every retry of a camera that stays away fails alike: the log notes each new outcome once.
    const HRESULT result = ok ? S_OK : graph_.LastResult();
    if (result != lastReconnect_) {
        char line[64];
        std::snprintf(line, sizeof line,
                      ok ? "camera reconnected" : "camera reconnect failed: 0x%08lx",
                      static_cast<unsigned long>(result));
        LogLine(line);
        lastReconnect_ = result;
    }
    return ok;
}

void CHalvertoneDlg::WatchCamera() {
    ::SetTimer(Handle(), kWatchdogTimer, kWatchdogMs, nullptr);
}

void CHalvertoneDlg::ReconnectAfterApply(UINT ms) {
    if (!Handle()) return;
    reconnectAfterApply_ = true;
    ::SetTimer(Handle(), kReconnectTimer, ms, nullptr);
}

void CHalvertoneDlg::StopWatchingCamera() {
    HWND hwnd = Handle();
    if (!hwnd) return;
    ::KillTimer(hwnd, kWatchdogTimer);
    ::KillTimer(hwnd, kReconnectTimer);
}

void CHalvertoneDlg::Watchdog() {
    if (!engine_ || engine_->ring.TakeFrameArrived()) return;
    HWND hwnd = Handle();
    ::KillTimer(hwnd, kWatchdogTimer);
    ShowCameraIcon(false);
    ::SetTimer(hwnd, kReconnectTimer, kReconnectMs, nullptr);
    if (c_.settings->operationMode == 0 && c_.toolbar) c_.toolbar->Hide();
    CameraConnected() = 0;
}

void CHalvertoneDlg::ReconnectTimer() {
    HWND hwnd = Handle();
    ::KillTimer(hwnd, kReconnectTimer);
    const bool afterApply = reconnectAfterApply_;
    reconnectAfterApply_ = false;
    if (!engine_ || !Reconnect()) {
        ::SetTimer(hwnd, kReconnectTimer, kReconnectMs, nullptr);
    } else {
        ShowCameraIcon(true);
        if (c_.settings->operationMode == 0 && c_.toolbar) c_.toolbar->Show();
        ::SetTimer(hwnd, kWatchdogTimer, kWatchdogMs, nullptr);
        engine_->clock.SleepMs(kTurnAfterReconnectMs);
        if (c_.turnImage) c_.turnImage();
        CameraConnected() = 1;
    }
    // The apply step leaves the modal state set for its reconnect; without this the toolbar
    // would never be kept on top again.
    if (afterApply) ModalUiActive() = 0;
}

void CHalvertoneDlg::StopFrames() {
    GrabberCallback::Instance().SetRing(nullptr);
    if (!engine_) return;
    engine_->flags.ClearAll();
    engine_->ring.Shutdown();
    // Stopping waits for the streaming thread to leave the callback: only now that the ring
    // lets every producer go at once can it not wait forever.
    graph_.TearDown();
}

void CHalvertoneDlg::OnPerFrame(UINT msg) {
    if (!engine_) return;
    const WorkerKind kinds[] = {WorkerKind::kMouse, WorkerKind::kPen, WorkerKind::kCalibration,
                                WorkerKind::kEraser};
    const WorkerKind kind = kinds[msg - kPerFrameMouse];
    // Only the tool in charge may take a frame; anything else would wait for one here.
    if (kind == WorkerKind::kCalibration || !engine_->flags[kind]) return;
    std::lock_guard lock(engine_->toolMutex);
    engine_->workers.Handler(kind).OnFrame();
}

void CHalvertoneDlg::OnDisplayChange() {
    if (!engine_) return;
    engine_->starter.DisplayChange(
        [this] {
            if (c_.rebuildForDisplay) c_.rebuildForDisplay();
        },
        engine_->toolbar);
}

void CHalvertoneDlg::OnCommand(int id, int /*code*/) {
    if (id == IDOK) {
        ShowWindow(Handle(), SW_HIDE);
        ExitWithoutAsking() = 1;
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    } else if (id == IDCANCEL) {
        ShowWindow(Handle(), SW_HIDE);
    } else if (c_.command) {
        c_.command(id);
    }
}

void CHalvertoneDlg::OnTimer(int id) {
    if (id == static_cast<int>(HoldTimer::kId) && engine_) engine_->holdTimer.Tick();
    if (id == static_cast<int>(kWatchdogTimer)) Watchdog();
    if (id == static_cast<int>(kReconnectTimer)) ReconnectTimer();
}

bool CHalvertoneDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    result = TRUE;
    if (trayMessage_ != 0 && msg == trayMessage_) {
        tray_.HandleCallback(wp, lp);
        return true;
    }
    if (msg >= kPerFrameMouse && msg <= kPerFrameEraser) {
        OnPerFrame(msg);
        return true;
    }
    switch (msg) {
        case WM_CLOSE:
            // The workers keep using the tool-mode mutex until the process ends, so it stays.
            ShowWindow(Handle(), SW_HIDE);
            ExitWithoutAsking() = 1;
            if (c_.command) c_.command(kMenuExit);
            return true;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) != kSystemAboutId) return false;
            if (c_.systemAbout) c_.systemAbout();
            return true;
        case WM_CTLCOLORSTATIC: {
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) != kStatusLineId) return false;
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, kStatusRed);
            SetBkMode(dc, TRANSPARENT);
            result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            return true;
        default:
            return false;
    }
}

}  // namespace halvertone
