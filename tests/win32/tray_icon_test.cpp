// The notification icon through the real shell calls: add, switch, remove, tooltips cut to
// the tip field, and the right-click menu.
#include "shell/win32/tray_icon.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/modal_ui.h"

namespace halvertone {
namespace {

const std::string kIconDir = std::string(HALVERTONE_PROGRAM_DIR) + "/Icon/";

struct OwnerWindow {
    OwnerWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TrayIconTestOwner";
        RegisterClassA(&wc);
        hwnd = CreateWindowA(wc.lpszClassName, "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                             nullptr, wc.hInstance, nullptr);
    }
    ~OwnerWindow() { DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_INITMENUPOPUP) ++menusOpened;
        return DefWindowProcA(h, m, w, l);
    }
    HWND hwnd = nullptr;
    static inline int menusOpened = 0;
};

TEST(TrayIcon, AddsSwitchesAndRemovesTheNotificationIcon) {
    OwnerWindow owner;
    CTrayIcon tray;
    tray.Attach({owner.hwnd, WM_APP + 50, 32771, nullptr, nullptr, nullptr});
    const int connected = tray.AddIcon(kIconDir + "Connect.ico", "Camera connected");
    const int disconnected = tray.AddIcon(kIconDir + "Disconnect.ico", "Camera not connected");
    ASSERT_EQ(connected, 0);
    ASSERT_EQ(disconnected, 1);
    EXPECT_EQ(tray.AddIcon(kIconDir + "Missing.ico", "x"), -1);
    EXPECT_EQ(tray.IconCount(), 2);

    EXPECT_FALSE(tray.ShowIcon(2)) << "an index beyond the list shows nothing";
    EXPECT_TRUE(tray.ShowIcon(connected));
    EXPECT_TRUE(tray.Shown());
    EXPECT_STREQ(tray.TipText(), "Camera connected");
    EXPECT_TRUE(tray.ShowIcon(connected)) << "showing the current icon again changes nothing";
    EXPECT_TRUE(tray.ShowIcon(disconnected));
    EXPECT_STREQ(tray.TipText(), "Camera not connected");
    EXPECT_TRUE(tray.ShowIcon(-1));
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(tray.IconCount(), 0) << "removing the icon empties the list";
    EXPECT_TRUE(tray.ShowIcon(-1)) << "removing twice is fine";
}

TEST(TrayIcon, LongTooltipIsCutToTheTipField) {
    OwnerWindow owner;
    CTrayIcon tray;
    tray.Attach({owner.hwnd, WM_APP + 50, 32771, nullptr, nullptr, nullptr});
    const std::string longTip(300, 'x');
    ASSERT_EQ(tray.AddIcon(kIconDir + "Connect.ico", longTip), 0);
    EXPECT_TRUE(tray.ShowIcon(0));
    EXPECT_EQ(std::string(tray.TipText()), std::string(127, 'x'));
    EXPECT_EQ(FitTooltip("short", 128), "short");
    EXPECT_EQ(FitTooltip(std::string(128, 'y'), 128).size(), 127u);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

TEST(TrayIcon, RightClickOpensTheMenuUnlessTheCallbackRefuses) {
    OwnerWindow owner;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 32773, "Exit");
    static int allow = 0;
    CTrayIcon tray;
    tray.Attach({owner.hwnd, WM_APP + 50, 32771, menu, [](void*) { return allow; }, nullptr});
    ASSERT_EQ(tray.AddIcon(kIconDir + "Connect.ico", "tip"), 0);
    tray.ShowIcon(0);

    OwnerWindow::menusOpened = 0;
    EXPECT_TRUE(tray.HandleCallback(0, WM_RBUTTONUP));
    EXPECT_EQ(OwnerWindow::menusOpened, 0)
        << "a zero from the menu-open callback suppresses the menu";

    allow = 1;
    SetTimer(nullptr, 0, 300, CloseMenu);  // the menu's modal loop ends by this timer
    EXPECT_TRUE(tray.HandleCallback(0, WM_RBUTTONUP));
    EXPECT_EQ(OwnerWindow::menusOpened, 1);
    EXPECT_EQ(ModalUiActive().load(), 0) << "cleared again after the menu closed";

    EXPECT_FALSE(tray.HandleCallback(1, WM_RBUTTONUP)) << "another icon id is not ours";
    EXPECT_FALSE(tray.HandleCallback(0, WM_MOUSEMOVE));
    MSG msg;
    while (PeekMessageA(&msg, owner.hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(tray.HandleCallback(0, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(PeekMessageA(&msg, owner.hwnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), 32771) << "a double click sends the show-window command";
    DestroyMenu(menu);
}

}  // namespace
}  // namespace halvertone
