#include "annotation/win32/draw_toolbar_dlg.h"

#include "annotation/screen_draw_message.h"
#include "base/camera_connected.h"
#include "base/modal_ui.h"
#include "platform/win32/private_profile_store.h"

namespace halvertone {
namespace {

// Calls from worker threads, carried to the toolbar's own thread.
constexpr UINT kSideCommandMessage = WM_APP + 0x40;
constexpr UINT kSelectToolMessage = WM_APP + 0x41;
constexpr UINT kEnableRedrawMessage = WM_APP + 0x42;

PixelRect ToPixelRect(const RECT& r) {
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

CDrawToolbarDlg::~CDrawToolbarDlg() {
    Destroy();
    for (HICON& icon : icons_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
}

bool CDrawToolbarDlg::Create(DrawToolbarContext context) {
    c_ = std::move(context);
    thread_ = GetCurrentThreadId();
    screenDrawMessage_ = RegisterWindowMessageA(kScreenDrawMessageName);
    return CreateModeless(c_.resources, kTemplateId, nullptr);
}

void CDrawToolbarDlg::Destroy() {
    visible_ = false;
    if (HWND hwnd = Handle()) DestroyWindow(hwnd);
}

bool CDrawToolbarDlg::OnOwnThread() const {
    return GetCurrentThreadId() == thread_;
}

void CDrawToolbarDlg::OnInitDialog() {
    Settings& s = *c_.settings;
    cleanPending = false;
    popupOpen_ = false;
    pen.highlighter = s.transparency != 0;
    pen.colour = s.penColor;
    pen.width = s.penWidth;
    side = s.side;
    boardOn_ = false;
    if (c_.actions.buildMenus) c_.actions.buildMenus();

    LayOut();
    toolMode = kToolMouse;
    EnableWindow(GetDlgItem(Handle(), toolbar_button::kRedrawScreen), FALSE);
    PressAndSelect(kToolMouse);
    // Hidden until the start-up check of the room has run.
    Hide();
}

void CDrawToolbarDlg::ShowAfterRoomCheck() {
    if (c_.settings->operationMode != 0) return;
    Show();
    ::SetTimer(Handle(), kKeepOnTopTimer, kKeepOnTopMs, nullptr);
}

bool CDrawToolbarDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    result = TRUE;
    if (screenDrawMessage_ != 0 && msg == screenDrawMessage_) {
        const intptr_t answer = HandleScreenDrawMessage(
            wp, static_cast<intptr_t>(lp), c_.settings->operationMode, captureTool, *this);
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, answer);
        return true;
    }
    switch (msg) {
        case WM_CLOSE:
            Hide();
            ExitWithoutAsking() = 1;
            if (c_.exit) c_.exit();
            return true;
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
            if (!c_.actions.ownerDraw || !c_.actions.ownerDraw(msg, wp, lp)) return false;
            SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
            return true;
        case WM_WINDOWPOSCHANGED:
            visible_ = IsWindowVisible(Handle()) != FALSE;
            return false;
        case kSideCommandMessage:
            OnSideCommand(static_cast<int32_t>(wp));
            return true;
        case kSelectToolMessage:
            PressAndSelect(static_cast<int32_t>(wp));
            return true;
        case kEnableRedrawMessage:
            EnableRedrawButton();
            return true;
        default:
            return false;
    }
}

void CDrawToolbarDlg::OnTimer(int id) {
    if (id == static_cast<int>(kKeepOnTopTimer)) KeepOnTop();
}

void CDrawToolbarDlg::StopTimers() {
    if (HWND hwnd = Handle()) ::KillTimer(hwnd, kKeepOnTopTimer);
}

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

PixelRect CDrawToolbarDlg::WindowRect() const {
    std::lock_guard lock(rectMutex_);
    return rect_;
}

void CDrawToolbarDlg::SideCommand(int32_t code) {
    if (OnOwnThread())
        OnSideCommand(code);
    else if (HWND hwnd = Handle())
        PostMessageA(hwnd, kSideCommandMessage, static_cast<WPARAM>(code), 0);
}

void CDrawToolbarDlg::SelectTool(int32_t id) {
    if (OnOwnThread())
        PressAndSelect(id);
    else if (HWND hwnd = Handle())
        PostMessageA(hwnd, kSelectToolMessage, static_cast<WPARAM>(id), 0);
}

void CDrawToolbarDlg::EnableRedrawButton() {
    HWND hwnd = Handle();
    if (!hwnd) return;
    if (OnOwnThread())
        EnableWindow(GetDlgItem(hwnd, toolbar_button::kRedrawScreen), TRUE);
    else
        PostMessageA(hwnd, kEnableRedrawMessage, 0, 0);
}

void CDrawToolbarDlg::Hide() {
    HWND hwnd = Handle();
    if (!hwnd) return;
    if (OnOwnThread())
        ShowWindow(hwnd, SW_HIDE);
    else
        ShowWindowAsync(hwnd, SW_HIDE);
    visible_ = false;
}

void CDrawToolbarDlg::Show() {
    HWND hwnd = Handle();
    if (!hwnd) return;
    // Showing never takes the focus from the window the user works in.
    if (OnOwnThread())
        ShowWindow(hwnd, SW_SHOWNA);
    else
        ShowWindowAsync(hwnd, SW_SHOWNA);
    visible_ = true;
}

void CDrawToolbarDlg::LayOut() {
    HWND hwnd = Handle();
    if (!hwnd) return;
    PrivateProfileStore iconInfo(c_.programDirectory + kIconInfoFileName);
    const ToolbarIconSet set = ReadToolbarIcons(iconInfo, c_.screen->width, c_.screen->height);
    // The buttons show the old icons until they are given the new ones.
    const std::array<HICON, kToolbarIconCount> previous = LoadIcons(set);

    const LONG units = GetDialogBaseUnits();
    layout_ = LayOutToolbar(LOWORD(units), HIWORD(units), set);
    // The buttons keep their order among themselves: the radio group of the three tools is
    // found by that order, and moving each to the top would split it (two tools checked).
    auto place = [hwnd](int id, const PixelRect& r) {
        SetWindowPos(GetDlgItem(hwnd, id), nullptr, r.left, r.top, r.right - r.left,
                     r.bottom - r.top, SWP_SHOWWINDOW | SWP_NOZORDER);
    };
    SetSideIcon();
    place(toolbar_button::kSide, layout_.side);
    for (size_t i = 0; i < kToolbarStack.size(); ++i) {
        const ToolbarIcon icon = kToolbarStackIcons[i];
        if (icon != kToolbarIconCount) SetButtonIcon(kToolbarStack[i], icons_[icon]);
        place(kToolbarStack[i], layout_.stack[i]);
    }
    for (HICON icon : previous)
        if (icon) DestroyIcon(icon);
    CheckRadioButton(hwnd, toolbar_button::kMouse, toolbar_button::kEraser, toolbar_button::kMouse);

    const int32_t mode = c_.settings->operationMode;
    if (mode == 0) {
        RECT frame{0, 0, layout_.clientWidth, layout_.clientHeight};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
        SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Show();
        Dock(true);
    } else if (mode == 1) {
        Hide();
    }
}

std::array<HICON, kToolbarIconCount> CDrawToolbarDlg::LoadIcons(const ToolbarIconSet& set) {
    const std::array<HICON, kToolbarIconCount> previous = icons_;
    for (size_t i = 0; i < kToolbarIconCount; ++i) {
        icons_[i] = nullptr;
        const std::string path = set.IconPath(c_.programDirectory, static_cast<ToolbarIcon>(i));
        if (path.empty()) continue;
        // Size 0 without LR_DEFAULTSIZE: the size stored in the file.
        icons_[i] = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    }
    return previous;
}

void CDrawToolbarDlg::SetButtonIcon(int id, HICON icon) {
    SendDlgItemMessageA(Handle(), id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CDrawToolbarDlg::SetSideIcon() {
    // The button shows where the toolbar goes when pressed.
    SetButtonIcon(toolbar_button::kSide, icons_[side == 1 ? kIconLeftSide : kIconRightSide]);
}

void CDrawToolbarDlg::Dock(bool trim) {
    HWND hwnd = Handle();
    RECT work{}, window{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(hwnd, &window);
    const int32_t cut = trim && !c_.settings->captureToolFlag ? layout_.boardTrim : 0;
    const auto docked = DockToolbar(ToPixelRect(window), ToPixelRect(work), side, cut);
    if (docked) {
        const bool wasVisible = Visible();
        Hide();
        SetWindowPos(hwnd, HWND_TOPMOST, docked->left, docked->top, docked->right - docked->left,
                     docked->bottom - docked->top, SWP_NOACTIVATE);
        // Docking moves a visible toolbar; one hidden by a gesture or the watchdog stays so.
        if (wasVisible) Show();
        GetWindowRect(hwnd, &window);
    }
    std::lock_guard lock(rectMutex_);
    rect_ = ToPixelRect(window);
}

}  // namespace halvertone
