#pragma once
// The drawing toolbar (dialog 162): a narrow, always-on-top window docked to the left or right
// edge of the work area. Its buttons choose the tool, open the pen menus, clean the screen,
// save a capture, paint the recorded strokes again, open the on-screen keyboard, switch the
// docking side and switch the board (the companion capture tool).
//
// Made in two steps: the object first (the tracking engine holds it as its ToolbarView and its
// tool mode), the window later through Create, once the engine and the table exist.
#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "annotation/capture_tool_link.h"
#include "annotation/pen_attributes.h"
#include "annotation/stroke_list.h"
#include "annotation/stroke_redraw.h"
#include "annotation/toolbar_for_capture.h"
#include "annotation/toolbar_icons.h"
#include "annotation/toolbar_layout.h"
#include "base/screen_metrics.h"
#include "base/settings.h"
#include "base/shared_value.h"
#include "calibration/text_lookup.h"
#include "capture/frame_ring.h"
#include "platform/clock.h"
#include "annotation/ink_toolbar.h"
#include "platform/profile_store.h"
#include "platform/screen_repainter.h"
#include "platform/win32/dialog_window.h"
#include "tracking/tool_mode.h"
#include "tracking/toolbar_view.h"
#include "tracking/tool_starter.h"

namespace halvertone {

// What other parts of the program do behind some of the toolbar's buttons. An empty hook
// leaves its button without effect.
struct ToolbarActions {
    // Track the line-width or colour popup at a screen point (opening leftward, right-button
    // tracking) and apply the choice; the chosen command, 0 for none.
    std::function<int(HWND toolbar, POINT at)> lineMenu;
    std::function<int(HWND toolbar, POINT at)> colourMenu;
    // Apply a pen-menu command: 106..126 preset colour or width, 32793 highlighter switch,
    // 32795 custom colour, 32796 custom width.
    std::function<void(int command)> menuCommand;
    // Build both menus and mark the current colour (once, at initialisation).
    std::function<void()> buildMenus;
    // Save a screen capture to a file.
    std::function<void()> capture;
    // WM_MEASUREITEM and WM_DRAWITEM of the owner-drawn menus; true when handled.
    std::function<bool(UINT msg, WPARAM wp, LPARAM lp)> ownerDraw;
};

struct DrawToolbarContext {
    HINSTANCE resources = nullptr;
    std::string programDirectory;  // ends with a backslash
    Settings* settings = nullptr;
    ProfileStore* settingsFile = nullptr;  // "Draw Sensitivity" is read again for every pen
    const ScreenMetrics* screen = nullptr;
    ToolStarter* starter = nullptr;
    Clock* clock = nullptr;
    ScreenRepainter* repainter = nullptr;
    StrokeList* desktopStrokes = nullptr;
    StrokeList* captureToolStrokes = nullptr;
    // The full redraw of a stroke list; null: nothing is painted again.
    StrokeRedraw* redraw = nullptr;
    TextLookup text;  // the language file
    ToolbarActions actions;
    // The Exit command (WM_CLOSE runs it without asking).
    std::function<void()> exit;
};

class CDrawToolbarDlg final : public ToolbarView,
                              public InkToolbar,
                              public ToolbarForCapture,
                              private CaptureToolHost,
                              private DialogWindow {
  public:
    static constexpr int kTemplateId = 162;
    static constexpr UINT kKeepOnTopTimer = 809;
    static constexpr UINT kKeepOnTopMs = 100;

    CDrawToolbarDlg() = default;
    ~CDrawToolbarDlg() override;
    CDrawToolbarDlg(const CDrawToolbarDlg&) = delete;
    CDrawToolbarDlg& operator=(const CDrawToolbarDlg&) = delete;

    // Creates the window, hidden, with the mouse tool selected; false when it could not be
    // created.
    bool Create(DrawToolbarContext context);
    // After the start-up check of the room found it dark: docked and kept on top (in the
    // described operation mode).
    void ShowAfterRoomCheck();
    void Destroy();
    using DialogWindow::Handle;

    // Reads "IcoInfo.ini" again and docks (initialisation, display change).
    void LayOut();
    // Kills 809 (the Exit command).
    void StopTimers();

    // The pen of new strokes; initially "Pen Color", "Pen Width", "Transparency".
    PenAttributes pen;
    // Set by "CleanScreen": the next pen stroke empties the desktop strokes.
    SharedValue<bool> cleanPending{false};
    // The toolbar's ToolMode, written by the start operations.
    SharedValue<int32_t> toolMode{kToolMouse};
    CaptureToolState captureTool;
    SharedValue<int32_t> side{1};  // 0 left, 1 right

    // ToolbarView (read by the workers; the two operations are carried to the toolbar's
    // thread when called from another)
    bool Visible() const override { return visible_.load(); }
    PixelRect WindowRect() const override;
    int32_t ToolMode() const override { return toolMode; }
    bool PopupOpen() const override { return popupOpen_; }
    bool ActionRunning() const override { return actionRunning_; }
    void SideCommand(int32_t code) override;
    void SelectTool(int32_t id) override;

    // InkToolbar and ToolbarForCapture
    void EnableRedrawButton() override;
    void Hide() override;
    void Show() override;
    bool BoardOn() const override { return boardOn_; }
    void SetActionRunning(bool running) override { actionRunning_ = running; }
    void SetPopupOpen(bool open) override { popupOpen_ = open; }
    void Redraw() override;

  private:
    // The dialog window's Show(bool) stays beside the toolbar's own Show().
    using DialogWindow::Show;
    void OnInitDialog() override;
    bool FocusFirstControl() const override { return false; }
    void OnCommand(int id, int code) override;
    void OnTimer(int id) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    bool OnOwnThread() const;

    // Layout and docking
    // Loads the set's icons and returns the ones they replace, still shown by the buttons.
    std::array<HICON, kToolbarIconCount> LoadIcons(const ToolbarIconSet& set);
    void SetButtonIcon(int id, HICON icon);
    void SetSideIcon();
    void Dock(bool trim);

    // Tools and buttons
    void PressAndSelect(int32_t tool);
    void RunToolSelection(int32_t tool);
    void EnableDrawingButtons(bool enable);
    void CaptureToolSwitch();
    void StartCaptureTool();
    void PopupButton(bool colour);
    void CleanScreen();
    void ReplayStrokes(uint32_t waitMs);
    void OnScreenKeyboard();
    void SwitchSide();
    void OnSideCommand(int32_t code);
    void HideByGesture();
    void SetToolbarRefresh(bool on);
    bool CaptureToolDrawing() const;

    void KeepOnTop();

    // CaptureToolHost
    void ShowToolbar() override { Show(); }

    DrawToolbarContext c_;
    DWORD thread_ = 0;
    UINT screenDrawMessage_ = 0;
    std::atomic<bool> visible_{false};
    SharedValue<bool> popupOpen_{false};
    SharedValue<bool> actionRunning_{false};
    SharedValue<bool> boardOn_{false};
    ToolbarLayout layout_;
    std::array<HICON, kToolbarIconCount> icons_{};
    mutable std::mutex rectMutex_;
    PixelRect rect_{};
};

}  // namespace halvertone
