#include "shell/win32/tray_icon.h"

#include <cstring>

#include "base/modal_ui.h"

namespace halvertone {

std::string FitTooltip(const std::string& text, size_t fieldBytes) {
    if (fieldBytes == 0) return {};
    if (text.size() < fieldBytes) return text;
    // Cut to the field, then step back over a double-byte lead so no half character remains.
    size_t n = fieldBytes - 1;
    size_t i = 0;
    while (i < n) {
        const size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[i])) ? 2 : 1;
        if (i + step > n) break;
        i += step;
    }
    return text.substr(0, i);
}

CTrayIcon::CTrayIcon() {
    // The version of the record with a 128-character tip: what every shell accepts.
    data_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data_.uID = 0;
}

CTrayIcon::~CTrayIcon() {
    ShowIcon(-1);
    for (HICON icon : icons_) DestroyIcon(icon);  // loaded but never shown
}

void CTrayIcon::Attach(const Descriptor& d) {
    desc_ = d;
    data_.hWnd = d.owner;
    data_.uCallbackMessage = d.callbackMessage;
}

int CTrayIcon::AddIcon(const std::string& path, const std::string& tooltip) {
    HICON icon = static_cast<HICON>(
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (!icon) return -1;
    tooltips_.push_back(tooltip);
    icons_.push_back(icon);
    return static_cast<int>(icons_.size()) - 1;
}

BOOL CTrayIcon::ShowIcon(int index) {
    if (index != -1 && (index < 0 || index >= static_cast<int>(icons_.size()))) return FALSE;
    if (index == -1) {
        if (!current_) return TRUE;
        data_.uFlags = 0;
        const BOOL r = Shell_NotifyIconA(NIM_DELETE, &data_);
        current_ = nullptr;
        // The tooltips stay, as the icons' owner never reuses the list; the icons go.
        for (HICON icon : icons_) DestroyIcon(icon);
        icons_.clear();
        return r;
    }
    HICON icon = icons_[static_cast<size_t>(index)];
    if (icon == current_) return TRUE;
    const bool add = current_ == nullptr;
    current_ = icon;
    data_.hIcon = icon;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    const std::string tip = FitTooltip(tooltips_[static_cast<size_t>(index)], sizeof(data_.szTip));
    std::memset(data_.szTip, 0, sizeof(data_.szTip));
    std::memcpy(data_.szTip, tip.data(), tip.size());
    return Shell_NotifyIconA(add ? NIM_ADD : NIM_MODIFY, &data_);
}

bool CTrayIcon::HandleCallback(WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != data_.uID) return false;
    switch (static_cast<UINT>(mouseMessage)) {
        case WM_RBUTTONUP: {
            if (desc_.menuOpen && desc_.menuOpen(desc_.menuOpenData) == 0) return true;
            POINT pt{};
            GetCursorPos(&pt);
            ModalUiActive() = 1;
            SetForegroundWindow(desc_.owner);
            TrackPopupMenu(desc_.menu, TPM_LEFTBUTTON, pt.x, pt.y, 0, desc_.owner, nullptr);
            // Lets the menu close properly when the user clicks elsewhere.
            PostMessageA(desc_.owner, WM_NULL, 0, 0);
            ModalUiActive() = 0;
            return true;
        }
        case WM_LBUTTONDBLCLK:
            // Users expect a double click to open the window: send its command to the owner.
            if (desc_.doubleClickCommand)
                PostMessageA(desc_.owner, WM_COMMAND, desc_.doubleClickCommand, 0);
            return true;
        default:
            return false;
    }
}

}  // namespace halvertone
