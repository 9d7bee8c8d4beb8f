#pragma once
// The main window (dialog 102): hidden, modeless, the owner of the camera, the per-frame
// tracking, the stroke lists and the notification icon with its menu.
#include <windows.h>
// windows.h first
#include <oleauto.h>

#include <functional>
#include <memory>
#include <string>

#include "annotation/stroke_list.h"
#include "calibration/screen_mapping.h"
#include "capture/win32/capture_graph.h"
#include "platform/profile_store.h"
#include "platform/sim/synthetic_camera.h"
#include "platform/sim/target_watch.h"
#include "shell/screen_metrics.h"
#include "shell/settings.h"
#include "shell/simulation_settings.h"
#include "shell/win32/tracking_engine.h"
#include "shell/win32/tray_icon.h"

namespace halvertone {

struct MainWindowContext {
    HINSTANCE resources = nullptr;
    std::string programDirectory;  // ends with a backslash
    ProfileStore* language = nullptr;
    Settings* settings = nullptr;
    const ScreenMetrics* screen = nullptr;
    const ScreenMapping* mapping = nullptr;
    SimulationSettings simulation;
    // What the synthetic camera's calibrating user sees of the targets (null: nobody looks).
    const sim::TargetWatch* targets = nullptr;
    // Commands of the menu and the tray, routed to the application; true when handled.
    std::function<bool(int id)> command;
    // Screen metrics and table again after a display change (the tools are stopped).
    std::function<void()> rebuildForDisplay;
    // The About box from the system menu.
    std::function<void()> systemAbout;
};

class CHalvertoneDlg {
  public:
    static constexpr int kTemplateId = 102;
    static constexpr int kVideoAreaId = 1075;
    static constexpr int kStatusLineId = 1076;
    static constexpr int kMenuId = 152;
    static constexpr int kIconId = 128;
    static constexpr UINT kSystemAboutId = 16;
    static constexpr int kMouseModeCommand = 32806;
    static constexpr int kShowMainWindowCommand = 32771;
    // Until the drawing toolbar exists the main window carries the reconnect after a
    // settings change.
    static constexpr UINT kReconnectTimer = 4369;

    explicit CHalvertoneDlg(MainWindowContext context);
    ~CHalvertoneDlg();
    CHalvertoneDlg(const CHalvertoneDlg&) = delete;
    CHalvertoneDlg& operator=(const CHalvertoneDlg&) = delete;

    // Creates the hidden window and runs its initialisation; false when it failed.
    bool Create();
    void Destroy();
    HWND Handle() const { return hwnd_; }

    TrackingEngine& Engine() { return *engine_; }
    CTrayIcon& Tray() { return tray_; }
    HMENU TrayMenu() const { return subMenu_; }
    // The camera's filter while the capture graph runs (null with the synthetic camera).
    IBaseFilter* CaptureDevice() const { return graph_.CaptureDevice(); }
    // Rebuilds the capture graph without messages (the reconnect).
    void Reconnect();
    // Before the process ends: no more frames into the ring, the workers released from their
    // waits, the synthetic camera's thread joined.
    void StopFrames();

    void SetProxy(IDispatch* proxy) { proxy_ = proxy; }
    IDispatch* Proxy() const { return proxy_; }

    StrokeList desktopStrokes;
    StrokeList captureToolStrokes;

  private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    BOOL OnInitDialog();
    void BuildMenu();
    void AddTrayIcons();
    void StartCamera();
    void OnPerFrame(UINT msg);
    void OnDisplayChange();
    void ShowIconFor(bool connected);
    std::string Text(const char* section, const char* key, size_t chars) const;

    MainWindowContext c_;
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    HMENU subMenu_ = nullptr;
    UINT trayMessage_ = 0;
    CTrayIcon tray_;
    int connectedIcon_ = -1;
    int disconnectedIcon_ = -1;
    std::unique_ptr<TrackingEngine> engine_;
    CaptureGraph graph_;
    std::unique_ptr<sim::SyntheticCamera> synthetic_;
    IDispatch* proxy_ = nullptr;
};

}  // namespace halvertone
