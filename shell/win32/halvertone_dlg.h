#pragma once
// The main window (dialog 102): hidden, modeless, the owner of the camera and the notification
// icon with its menu. The tracking engine it is given receives the per-frame messages and the
// hold timer through it.
#include <windows.h>
// windows.h first
#include <oleauto.h>

#include <functional>
#include <memory>
#include <string>

#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/screen_mapping.h"
#include "capture/win32/capture_graph.h"
#include "platform/profile_store.h"
#include "platform/win32/dialog_window.h"
#include "shell/win32/tracking_engine.h"
#include "shell/win32/tray_icon.h"
#include "annotation/ink_toolbar.h"

namespace halvertone {

struct MainWindowContext {
    HINSTANCE resources = nullptr;
    std::string programDirectory;  // ends with a backslash
    ProfileStore* language = nullptr;
    Settings* settings = nullptr;
    const ScreenMetrics* screen = nullptr;
    const ScreenMapping* mapping = nullptr;
    InkLinks ink;  // the drawing toolbar's pen and flags, and the stroke library
    // Commands of the menu and the tray, routed to the application; true when handled.
    std::function<bool(int id)> command;
    // Screen metrics and table again after a display change (the tools are stopped).
    std::function<void()> rebuildForDisplay;
    // The About box from the system menu.
    std::function<void()> systemAbout;
    // At start-up without camera ids: the camera choice, if a camera is present; a choice
    // is written and read back into the settings before the camera is looked for.
    std::function<void(HWND owner)> offerCameraChoice;
    // The drawing toolbar, hidden while the camera is away (in the described operation mode).
    InkToolbar* toolbar = nullptr;
    // The camera image turn for the current "Flip", sent again after a reconnect.
    std::function<void()> turnImage;
};

class CHalvertoneDlg : private DialogWindow {
  public:
    static constexpr int kTemplateId = 102;
    static constexpr int kVideoAreaId = 1075;
    static constexpr int kStatusLineId = 1076;
    static constexpr int kMenuId = 152;
    static constexpr int kIconId = 128;
    static constexpr UINT kSystemAboutId = 16;
    static constexpr int kMouseModeCommand = 32806;
    static constexpr int kPreciseMappingCommand = 32807;
    static constexpr int kShowMainWindowCommand = 32771;
    static constexpr UINT kWatchdogTimer = 1301;
    static constexpr UINT kReconnectTimer = 4369;
    static constexpr UINT kWatchdogMs = 1000;
    static constexpr UINT kReconnectMs = 3000;

    explicit CHalvertoneDlg(MainWindowContext context);
    ~CHalvertoneDlg() override;
    CHalvertoneDlg(const CHalvertoneDlg&) = delete;
    CHalvertoneDlg& operator=(const CHalvertoneDlg&) = delete;

    // Creates the hidden window with its menus and icons; false when it failed.
    bool Create();
    // Takes the engine that the window's messages drive and starts the camera into its ring.
    void Start(TrackingEngine& engine);
    void Destroy();
    using DialogWindow::Handle;

    CTrayIcon& Tray() { return tray_; }
    HMENU TrayMenu() const { return subMenu_; }
    // The camera's filter while the capture graph runs (null without one).
    IBaseFilter* CaptureDevice() const { return graph_.CaptureDevice(); }
    // The camera watchdog: when frames stop arriving the toolbar hides, the icon says so and
    // the camera is rebuilt every 3 s until it is back.
    void WatchCamera();
    // The settings apply step's reconnect after `ms`; it also ends the modal state the apply
    // step leaves behind.
    void ReconnectAfterApply(UINT ms);
    // Kills 1301 and 4369 (the Exit command).
    void StopWatchingCamera();
    // The connected or the disconnected notification icon; disconnected, its tip tells a
    // camera that cannot deliver 640 x 480 frames from one that is missing.
    void ShowCameraIcon(bool connected);
    // Before the process ends: no more frames into the ring, the workers and the camera's
    // streaming thread released from their waits, the graph stopped.
    void StopFrames();
    // Stops the tools, rebuilds screen metrics and table and restarts the current tool, as a
    // display change does.
    void RebuildTable() { OnDisplayChange(); }
    // The tray menu's check mark of "Precise mapping" from the settings record.
    void MarkPreciseMapping();

    void SetProxy(IDispatch* proxy) { proxy_ = proxy; }
    IDispatch* Proxy() const { return proxy_; }

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;
    void OnTimer(int id) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void BuildMenu();
    void AddTrayIcons();
    void StartCamera();
    void OnPerFrame(UINT msg);
    void OnDisplayChange();
    void Watchdog();
    void ReconnectTimer();
    // Rebuilds the capture graph without messages; true when frames will flow again.
    bool Reconnect();
    std::string Text(const char* section, const char* key, size_t chars) const;

    MainWindowContext c_;
    HMENU menu_ = nullptr;
    HMENU subMenu_ = nullptr;
    UINT trayMessage_ = 0;
    CTrayIcon tray_;
    int connectedIcon_ = -1;
    int disconnectedIcon_ = -1;
    int wrongSizeIcon_ = -1;
    TrackingEngine* engine_ = nullptr;  // from Start on
    CaptureGraph graph_;
    IDispatch* proxy_ = nullptr;
    HRESULT lastReconnect_ = S_OK;
    bool reconnectAfterApply_ = false;
};

}  // namespace halvertone
