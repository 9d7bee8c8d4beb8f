// The toolbar's buttons: tool selection, the board (capture tool) switch, the pen popups,
// clean, redraw, the on-screen keyboard and the side command.
#include "annotation/capture_tool_command.h"
#include "annotation/capture_tool_drawing.h"
#include "annotation/popup_tail.h"
#include "annotation/screen_draw_message.h"
#include "annotation/tool_selection.h"
#include "annotation/toolbar_side_command.h"
#include "annotation/win32/draw_toolbar_dlg.h"
#include "base/modal_ui.h"
#include "base/setting_keys.h"
#include "platform/win32/module_path.h"

namespace halvertone {
namespace {

constexpr int kFirstPresetCommand = 106;
constexpr int kLastPresetCommand = 126;
constexpr int kHighlighterCommand = 32793;
constexpr int kCustomColourCommand = 32795;
constexpr int kCustomWidthCommand = 32796;
constexpr uint32_t kBoardStartWaitMs = 500;
constexpr uint32_t kShortReplayWaitMs = 100;
constexpr uint32_t kReplayWaitMs = 400;
constexpr uint32_t kAfterPopupWaitMs = 200;
constexpr uint32_t kAfterRedrawWaitMs = 200;
constexpr size_t kPathChars = 260;

bool IsPenMenuCommand(int id) {
    return (id >= kFirstPresetCommand && id <= kLastPresetCommand) || id == kHighlighterCommand ||
           id == kCustomColourCommand || id == kCustomWidthCommand;
}

int RadioOf(int32_t tool) {
    switch (tool) {
        case kToolPen:
            return toolbar_button::kPen;
        case kToolEraser:
            return toolbar_button::kEraser;
        case kToolMouse:
            return toolbar_button::kMouse;
        default:
            return 0;
    }
}

void ShowTaskbar(bool show) {
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr))
        ShowWindow(taskbar, show ? SW_SHOW : SW_HIDE);
}

// Starts `commandLine` shown; nothing is reported when it cannot be started.
void StartShown(std::string commandLine) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

}  // namespace

void CDrawToolbarDlg::OnCommand(int id, int /*code*/) {
    // Radio buttons report every click; a tool runs only when its button ends up selected.
    auto selected = [this](int button) {
        return IsDlgButtonChecked(Handle(), button) == BST_CHECKED;
    };
    switch (id) {
        case toolbar_button::kMouse:
            if (selected(id)) RunToolSelection(kToolMouse);
            return;
        case toolbar_button::kPen:
            if (selected(id)) RunToolSelection(kToolPen);
            return;
        case toolbar_button::kEraser:
            if (selected(id)) RunToolSelection(kToolEraser);
            return;
        case toolbar_button::kPenWidth:
            return PopupButton(false);
        case toolbar_button::kPenColor:
            return PopupButton(true);
        case toolbar_button::kCleanScreen:
            return CleanScreen();
        case toolbar_button::kScreenCapture:
            if (c_.actions.capture) c_.actions.capture();
            return;
        case toolbar_button::kRedrawScreen:
            return Redraw();
        case toolbar_button::kSoftKeyboard:
            return OnScreenKeyboard();
        case toolbar_button::kSide:
            return SwitchSide();
        case toolbar_button::kBoard:
            return CaptureToolSwitch();
        default:
            if (IsPenMenuCommand(id)) {
                if (c_.actions.menuCommand) c_.actions.menuCommand(id);
                popupOpen_ = false;
            }
            return;
    }
}

void CDrawToolbarDlg::PressAndSelect(int32_t tool) {
    if (tool == kCurrentTool) tool = toolMode;
    const int radio = RadioOf(tool);
    if (radio == 0) return;
    CheckRadioButton(Handle(), toolbar_button::kMouse, toolbar_button::kEraser, radio);
    RunToolSelection(tool);
}

void CDrawToolbarDlg::RunToolSelection(int32_t tool) {
    Settings& s = *c_.settings;
    const ToolSelectionPlan plan =
        PlanToolSelection(tool, s.captureToolFlag, s.boardFollowsToolFlag, boardOn_);
    if (plan.readDrawSensitivity) {
        s.drawSensitivity = c_.settingsFile->GetInt(kSettingsSection, "Draw Sensitivity", 10);
        Hide();
    }
    if (plan.board != BoardChange::kNone) {
        boardOn_ = plan.board == BoardChange::kTurnOn;
        CaptureToolSwitch();
        if (plan.showTaskbar) ShowTaskbar(true);
    }
    if (plan.buttons != DrawingButtons::kLeave)
        EnableDrawingButtons(plan.buttons == DrawingButtons::kEnable);
    if (plan.showToolbar) Show();
    // Tool mode, dispatch flags, per-frame state, the worker unless it runs, frames accepted.
    c_.starter->Start(tool);
}

void CDrawToolbarDlg::EnableDrawingButtons(bool enable) {
    for (int id :
         {toolbar_button::kBoard, toolbar_button::kScreenCapture, toolbar_button::kCleanScreen,
          toolbar_button::kPenColor, toolbar_button::kPenWidth, toolbar_button::kEraser})
        EnableWindow(GetDlgItem(Handle(), id), enable);
    const bool redraw = enable && !c_.desktopStrokes->Empty();
    EnableWindow(GetDlgItem(Handle(), toolbar_button::kRedrawScreen), redraw);
}

void CDrawToolbarDlg::CaptureToolSwitch() {
    if (c_.settings->captureToolFlag)
        boardOn_ = IsDlgButtonChecked(Handle(), toolbar_button::kBoard) == BST_CHECKED;
    if (boardOn_) {
        Hide();
        StartCaptureTool();
        ShowTaskbar(false);
        if (!cleanPending) {
            popupOpen_ = false;
            c_.clock->SleepMs(kBoardStartWaitMs);
            ReplayStrokes(kShortReplayWaitMs);
        }
        popupOpen_ = false;
        return;
    }
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA(kScreenDrawMessageName),
                 screen_draw::kClose, 0);
    c_.captureToolStrokes->Free();
    EnableWindow(GetDlgItem(Handle(), toolbar_button::kRedrawScreen), !c_.desktopStrokes->Empty());
}

void CDrawToolbarDlg::StartCaptureTool() {
    // A program path cut at 260 characters would name another folder: nothing is started
    // when the whole path cannot be had.
    if (const std::optional<std::string> path = ModuleFilePathAnsi())
        StartShown(CaptureToolCommandLine(*path, reinterpret_cast<intptr_t>(Handle())));
}

bool CDrawToolbarDlg::CaptureToolDrawing() const {
    return halvertone::CaptureToolDrawing(c_.settings->captureToolFlag, boardOn_,
                                          static_cast<int32_t>(captureTool.drawingState.load()));
}

void CDrawToolbarDlg::SetToolbarRefresh(bool on) {
    if (c_.redraw) c_.redraw->ReshowToolbarAfterRedraw = on;
}

void CDrawToolbarDlg::ReplayStrokes(uint32_t waitMs) {
    if (CaptureToolDrawing()) {
        if (c_.redraw) c_.redraw->RedrawStrokes(*c_.captureToolStrokes);
        return;
    }
    c_.repainter->RepaintAll(false);
    c_.clock->SleepMs(waitMs);
    if (c_.redraw) c_.redraw->RedrawStrokes(*c_.desktopStrokes);
}

void CDrawToolbarDlg::PopupButton(bool colour) {
    ModalUiActive() = 1;
    popupOpen_ = true;
    POINT at{};
    GetCursorPos(&at);
    const auto& track = colour ? c_.actions.colourMenu : c_.actions.lineMenu;
    const int command = track ? track(Handle(), at) : 0;
    bool penJustSelected = false;
    if (command != 0) {
        if (toolMode != kToolPen) {
            PressAndSelect(kToolPen);
            penJustSelected = true;
        }
    }
    c_.clock->SleepMs(kAfterPopupWaitMs);
    const PopupTailPlan tail = PlanPopupTail(command != 0, cleanPending, penJustSelected,
                                             CaptureToolDrawing() && c_.redraw);
    // A choice was made: a stroke begun while the toolbar steps aside must reach the pen, not
    // become a mouse drag on the desktop.
    if (!tail.keepMouseInCharge) popupOpen_ = false;
    if (tail.stepAside) {
        // The menu may have covered strokes of the board; the toolbar goes out of the way
        // while they are painted again.
        Hide();
        c_.clock->SleepMs(kReplayWaitMs);
        SetToolbarRefresh(false);
        if (tail.repaintBoard) c_.redraw->RedrawStrokes(*c_.captureToolStrokes);
        SetToolbarRefresh(true);
        Show();
    }
    popupOpen_ = false;
    ModalUiActive() = 0;
}

void CDrawToolbarDlg::CleanScreen() {
    c_.repainter->RepaintAll(false);
    cleanPending = true;
    popupOpen_ = false;
}

void CDrawToolbarDlg::Redraw() {
    popupOpen_ = true;
    cleanPending = false;
    Hide();
    SetToolbarRefresh(false);
    ReplayStrokes(kReplayWaitMs);
    c_.clock->SleepMs(kAfterRedrawWaitMs);
    Show();
    SetToolbarRefresh(true);
    popupOpen_ = false;
}

void CDrawToolbarDlg::OnScreenKeyboard() {
    actionRunning_ = true;
    if (HWND keyboard = FindWindowA("OSKMainClass", nullptr)) {
        ShowWindow(keyboard, SW_RESTORE);
    } else {
        char path[kPathChars] = {};
        const DWORD n = ExpandEnvironmentStringsA("%SystemRoot%\\system32\\osk.exe", path,
                                                  static_cast<DWORD>(kPathChars));
        if (n > 0 && n <= kPathChars) StartShown(std::string("\"") + path + "\"");
    }
    actionRunning_ = false;
    PressAndSelect(kToolMouse);
    popupOpen_ = false;
}

void CDrawToolbarDlg::SwitchSide() {
    side = side == 0 ? 1 : 0;
    SetSideIcon();
    Dock(false);
}

void CDrawToolbarDlg::OnSideCommand(int32_t code) {
    const SideAction action =
        DecideSideCommand(Visible(), c_.settings->projectorPosition, side, code);
    switch (action) {
        case SideAction::kNothing:
            return;
        case SideAction::kHide:
            return HideByGesture();
        case SideAction::kSwitchSide:
            return SwitchSide();
        case SideAction::kShow:
        case SideAction::kShowAndSwitch: {
            Show();
            const int radio = RadioOf(toolMode);
            if (radio != 0) {
                CheckRadioButton(Handle(), toolbar_button::kMouse, toolbar_button::kEraser, radio);
                SetFocus(GetDlgItem(Handle(), radio));
            }
            if (action == SideAction::kShowAndSwitch) SwitchSide();
            return;
        }
    }
}

void CDrawToolbarDlg::HideByGesture() {
    const PixelRect r = WindowRect();
    Hide();
    const RECT under{r.left, r.top, r.right, r.bottom};
    RedrawWindow(nullptr, &under, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    c_.clock->SleepMs(kReplayWaitMs);
    SetToolbarRefresh(false);
    if (!cleanPending && toolMode != kToolMouse) ReplayStrokes(kShortReplayWaitMs);
    SetToolbarRefresh(true);
}

}  // namespace halvertone
