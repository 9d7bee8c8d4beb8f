#pragma once
// The notification-area icon: a list of icons with their tooltips, one of which is shown, a
// callback message to the owner window, a popup menu on right click and a command on double
// click.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace halvertone {

class CTrayIcon {
public:
    // Called before the menu opens; a zero result suppresses the menu.
    using MenuOpenCallback = int (*)(void* data);

    struct Descriptor {
        HWND owner = nullptr;
        UINT callbackMessage = 0;
        UINT doubleClickCommand = 0;
        HMENU menu = nullptr;
        MenuOpenCallback menuOpen = nullptr;
        void* menuOpenData = nullptr;
    };

    CTrayIcon();
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    void Attach(const Descriptor& d);
    // Loads the icon from a file at the default icon size; -1 (and nothing added) on failure.
    int AddIcon(const std::string& path, const std::string& tooltip);
    // -1 removes the notification icon; another index shows that icon. Returns the shell's
    // result (1 when nothing had to change, 0 for an index beyond the list).
    BOOL ShowIcon(int index);
    // For every callback message: true when handled.
    bool HandleCallback(WPARAM iconId, LPARAM mouseMessage);

    bool Shown() const { return current_ != nullptr; }
    int IconCount() const { return static_cast<int>(icons_.size()); }
    const char* TipText() const { return data_.szTip; }
    void SetMenu(HMENU menu) { desc_.menu = menu; }

private:
    NOTIFYICONDATAA data_{};
    Descriptor desc_{};
    std::vector<HICON> icons_;
    std::vector<std::string> tooltips_;
    HICON current_ = nullptr;
};

// Tooltips longer than the tip field are cut at a character boundary to fit (127 bytes).
std::string FitTooltip(const std::string& text, size_t fieldBytes);

}  // namespace halvertone
