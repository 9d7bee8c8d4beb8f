#pragma once
// The application object and the program's one composition root: InitInstance makes and
// wires every part in start-up order (settings, libraries, main window, tracking engine and
// camera, table, calibration, toolbar, room check) and hands each window what it uses. It
// also keeps the single instance and the hand-over to a running one, the commands of the menu,
// the Exit command and the exit handler. It owns the paths, the settings, the libraries, the
// screen metrics and the camera-to-screen table; the windows and the engine it creates live
// until the process ends.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "annotation/win32/draw_toolbar_dlg.h"
#include "base/pixel_rect.h"
#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/calibration_procedure.h"
#include "calibration/screen_mapping.h"
#include "calibration/text_lookup.h"
#include "calibration/win32/projection_method_window.h"
#include "calibration/win32/screen_target_painter.h"
#include "platform/win32/desktop_repainter.h"
#include "platform/win32/message_beeper.h"
#include "platform/win32/private_profile_store.h"
#include "platform/win32/win32_message_box.h"
#include "shell/settings_controller.h"
#include "shell/win32/automation_server.h"
#include "shell/win32/camera_view_window.h"
#include "shell/win32/halvertone_dlg.h"
#include "shell/win32/kit_loader.h"
#include "shell/win32/registry_settings.h"
#include "shell/win32/toolbar_actions.h"
#include "tracking/calibration_hookup.h"

namespace halvertone {

inline constexpr const char* kSingleInstanceMutexName = "TovRenn-0515";

class CHalvertoneApp final : public AutomationHost, public SettingsApplyHost {
  public:
    static constexpr int kExitCommand = 32773;

    CHalvertoneApp();
    ~CHalvertoneApp() override;
    CHalvertoneApp(const CHalvertoneApp&) = delete;
    CHalvertoneApp& operator=(const CHalvertoneApp&) = delete;

    // The start-up sequence; false ends the process (the exit handler still runs).
    bool InitInstance(HINSTANCE instance, const char* commandLineTail);
    // The message loop; returns the quit code.
    int Run();
    // Releases the mutex, the libraries and the class objects; returns `exitCode`.
    int ExitInstance(int exitCode);

    // A command of the menu or the main window; false for one that is not ours.
    bool OnCommand(int id);
    void Exit();

    // Application state read by the rest of the program.
    std::string ProgramDirectory;  // ends with a backslash
    std::string LanguageFilePath;
    std::string SettingsFilePath;
    int SettingsFileFound = 0;
    ScreenMetrics screen;
    std::array<PixelRect, 4> FrameQuadrants{};
    ScreenMapping mapping;
    Settings settings;
    KitModules kits;

    CHalvertoneDlg* MainWindow() const { return mainWindow_; }
    CDrawToolbarDlg* Toolbar() const { return toolbar_; }

    // AutomationHost
    void LockApp() override;
    void UnlockApp() override;
    void AttachProxy(IDispatch* proxy) override;
    // SettingsApplyHost
    void SetModalUiActive() override;
    void RepaintDesktop() override;
    PenSettings CurrentPen() override;
    void StartToolbarTimer(uint32_t timerId, uint32_t elapseMs) override;

  private:
    void ReadScreenMetrics();
    // False when this process must end: another instance runs (and got the hand-over), "/q"
    // found none, or the mutex could not be created.
    bool SingleInstance(bool quit);
    void MakeCalibration();
    // Sends the image-turn value to the camera; a camera that cannot turn its own picture
    // gets its frames turned before the trackers see them.
    void TurnCameraImage(uint8_t value);
    // The same for the current "Flip" (at start-up and after a reconnect).
    void TurnCameraForFlip();
    void BuildTable(int flag);
    void SystemAbout();
    // "Precise mapping" in the tray menu: "Mapping Mode" 2 or back to 0, written and applied.
    void TogglePreciseMapping();
    // The camera choice dialog; a chosen camera's ids are written and taken into use. At
    // start-up it is shown only when a camera is present.
    void ChooseCamera(HWND owner, bool atStart);
    // The camera view, made at its first opening.
    void OpenCameraView();
    bool CreateToolbar();
    // The start-up check of the room, then the toolbar shown and the camera watched.
    void CheckRoom();
    std::string LanguageText(const std::string& section, const std::string& key);
    // LanguageText as the dialogs take it.
    TextLookup LanguageTexts();

    HINSTANCE instance_ = nullptr;
    bool oleInitialised_ = false;
    HANDLE instanceMutex_ = nullptr;
    long appLocks_ = 0;
    Win32MessageBox messages_;
    PrivateProfileFiles files_;
    std::unique_ptr<PrivateProfileStore> language_;
    std::unique_ptr<PrivateProfileStore> settingsIni_;
    std::unique_ptr<RegistrySettings> registry_;
    std::unique_ptr<SettingsController> controller_;
    std::unique_ptr<AutomationServer> automation_;

    // Windows and what hangs on them: allocated once, never freed (the workers use them
    // until the process ends).
    CHalvertoneDlg* mainWindow_ = nullptr;
    CDrawToolbarDlg* toolbar_ = nullptr;
    TrackingEngine* engine_ = nullptr;
    ToolbarActionSet* actions_ = nullptr;
    ProjectionMethodWindow* methodWindow_ = nullptr;
    ScreenTargetPainter* painter_ = nullptr;
    MessageBeeper* beeper_ = nullptr;
    DesktopRepainter* repainter_ = nullptr;
    WorkerToolDispatch* dispatch_ = nullptr;
    CalibrationProcedure* procedure_ = nullptr;
    FrameSnapshot* snapshot_ = nullptr;
    CameraViewWindow* cameraView_ = nullptr;
    ProcedureRun* calibrationRun_ = nullptr;
};

}  // namespace halvertone
