// The program's dialog templates, menus, strings and icons, loaded from the compiled resources
// and created for real: every control the program addresses must exist with its kind, style,
// text and dialog-unit geometry.
#include <windows.h>
// windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_paths.h"
#include "resource_module.h"
#include "resources/resource.h"

namespace halvertone {
namespace {

HMODULE Resources() {
    return testing::ResourceModule();
}

INT_PTR CALLBACK PlainDialog(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

struct Item {
    int id;
    const char* cls;
    DWORD type;  // BS_TYPEMASK part for buttons, SS_TYPEMASK part for statics
    int x, y, w, h;
    const char* text;  // nullptr: not checked
};

class Dialog {
  public:
    explicit Dialog(int id) {
        hwnd = CreateDialogParamA(Resources(), MAKEINTRESOURCEA(id), nullptr, PlainDialog, 0);
    }
    ~Dialog() {
        if (hwnd) DestroyWindow(hwnd);
    }
    RECT Units(int x, int y, int w, int h) const {
        RECT r{x, y, x + w, y + h};
        MapDialogRect(hwnd, &r);
        return r;
    }
    HWND hwnd = nullptr;
};

void ExpectNear(const RECT& a, const RECT& b, const std::string& what) {
    EXPECT_NEAR(a.left, b.left, 1) << what;
    EXPECT_NEAR(a.top, b.top, 1) << what;
    EXPECT_NEAR(a.right, b.right, 1) << what;
    EXPECT_NEAR(a.bottom, b.bottom, 1) << what;
}

void ExpectDialog(int dialogId, int w, int h, const std::vector<Item>& items) {
    const Dialog d(dialogId);
    ASSERT_NE(d.hwnd, nullptr) << "dialog " << dialogId << " did not load";
    RECT client{};
    GetClientRect(d.hwnd, &client);
    ExpectNear(client, d.Units(0, 0, w, h), "dialog " + std::to_string(dialogId) + " size");
    for (const Item& it : items) {
        const std::string what =
            "dialog " + std::to_string(dialogId) + " control " + std::to_string(it.id);
        HWND c = GetDlgItem(d.hwnd, it.id);
        ASSERT_NE(c, nullptr) << what << " is missing";
        char cls[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        EXPECT_EQ(lstrcmpiA(cls, it.cls), 0) << what << " class " << cls;
        const auto style = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
        if (lstrcmpiA(it.cls, "Button") == 0) {
            EXPECT_EQ(style & BS_TYPEMASK, it.type) << what;
        } else if (lstrcmpiA(it.cls, "Static") == 0) {
            EXPECT_EQ(style & SS_TYPEMASK, it.type) << what;
        }
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, d.hwnd, reinterpret_cast<POINT*>(&r), 2);
        ExpectNear(r, d.Units(it.x, it.y, it.w, it.h), what + " geometry");
        if (it.text) {
            char text[128] = {};
            GetWindowTextA(c, text, sizeof text);
            EXPECT_STREQ(text, it.text) << what;
        }
    }
}

DWORD Style(HWND h) {
    return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
}
DWORD ExStyle(HWND h) {
    return static_cast<DWORD>(GetWindowLongA(h, GWL_EXSTYLE));
}

TEST(Resources, ProjectionSetUpDialogsMatchTheirTables) {
    ASSERT_NE(Resources(), nullptr);
    ExpectDialog(IDD_CHECK_ENVIRONMENT, 187, 42,
                 {{1089, "Static", SS_LEFT, 16, 16, 158, 13, "Check Enviroment, Please Wait..."}});
    ExpectDialog(IDD_PROJECTION_DISTANCE, 201, 77,
                 {{IDOK, "Button", BS_DEFPUSHBUTTON, 72, 52, 50, 14, "OK"},
                  {1092, "Button", BS_GROUPBOX, 7, 7, 187, 63, "Select Distance"},
                  {1093, "Button", BS_AUTORADIOBUTTON, 51, 29, 27, 10, ">3M"},
                  {1094, "Button", BS_AUTORADIOBUTTON, 85, 29, 28, 10, ">2M"},
                  {1095, "Button", BS_AUTORADIOBUTTON, 120, 29, 31, 10, "<2M"}});
    ExpectDialog(IDD_MOUSE_MODE, 167, 68,
                 {{IDOK, "Button", BS_DEFPUSHBUTTON, 57, 46, 50, 10, "OK"},
                  {1096, "Button", BS_GROUPBOX, 7, 7, 153, 54, "Mouse Mode Select"},
                  {1097, "Button", BS_AUTORADIOBUTTON, 43, 33, 52, 10, "Yes"},
                  {1098, "Button", BS_AUTORADIOBUTTON, 98, 33, 59, 10, "No"},
                  {1099, "Static", SS_CENTER, 16, 22, 136, 11,
                   "Notice : Tarnwick will be exit after setting."}});
    ExpectDialog(IDD_PROJECTION_METHOD, 187, 87,
                 {{IDOK, "Button", BS_DEFPUSHBUTTON, 43, 60, 50, 14, "OK"},
                  {IDCANCEL, "Button", BS_PUSHBUTTON, 100, 60, 50, 14, "Cancel"},
                  {1114, "Button", BS_AUTORADIOBUTTON, 33, 42, 60, 10, "Desktop"},
                  {1115, "Button", BS_AUTORADIOBUTTON, 103, 42, 60, 10, "Ceiling"},
                  {1118, "Static", SS_CENTER, 14, 11, 159, 27, "Static"}});

    const Dialog check(IDD_CHECK_ENVIRONMENT), distance(IDD_PROJECTION_DISTANCE),
        mouse(IDD_MOUSE_MODE), method(IDD_PROJECTION_METHOD);
    for (HWND h : {check.hwnd, distance.hwnd, mouse.hwnd})
        EXPECT_NE(Style(h) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION)) << "no caption bar";
    EXPECT_EQ(Style(method.hwnd) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(Style(GetDlgItem(method.hwnd, 1118)) & SS_CENTERIMAGE) << "vertically centred";
}

TEST(Resources, MainWindowAboutBoxAndLineWidthDialog) {
    ExpectDialog(IDD_HALVERTONE_DIALOG, 371, 298,
                 {{IDOK, "Button", BS_DEFPUSHBUTTON, 160, 277, 50, 14, "OK"},
                  {IDC_VIDEO_AREA, "Static", SS_BLACKRECT, 17, 7, 336, 226, nullptr},
                  {IDC_STATUS_LINE, "Static", SS_CENTER, 17, 241, 336, 12, nullptr}});
    const Dialog main(IDD_HALVERTONE_DIALOG);
    EXPECT_FALSE(Style(main.hwnd) & WS_VISIBLE) << "created hidden";
    EXPECT_TRUE(Style(main.hwnd) & WS_SYSMENU);
    EXPECT_EQ(Style(main.hwnd) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(ExStyle(main.hwnd) & WS_EX_APPWINDOW) << "shown in the taskbar";
    // The button sits at the bottom centre, below an etched line.
    RECT client{}, ok{};
    GetClientRect(main.hwnd, &client);
    GetWindowRect(GetDlgItem(main.hwnd, IDOK), &ok);
    MapWindowPoints(nullptr, main.hwnd, reinterpret_cast<POINT*>(&ok), 2);
    EXPECT_NEAR((ok.left + ok.right) / 2, client.right / 2, 2);

    const Dialog about(IDD_ABOUTBOX);
    ASSERT_NE(about.hwnd, nullptr);
    for (int id : {IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT, IDC_ABOUT_CALIBRATION, IDOK})
        EXPECT_NE(GetDlgItem(about.hwnd, id), nullptr) << id;

    ExpectDialog(IDD_LINE_WIDTH, 188, 95,
                 {{IDOK, "Button", BS_DEFPUSHBUTTON, 34, 75, 50, 14, "OK"},
                  {IDCANCEL, "Button", BS_PUSHBUTTON, 103, 75, 50, 14, "Cancel"},
                  {IDC_LINE_SLIDER, "msctls_trackbar32", 0, 16, 33, 159, 13, nullptr},
                  {IDC_LINE_VALUE, "Static", SS_CENTER, 19, 21, 154, 9, "1"}});
    const Dialog line(IDD_LINE_WIDTH);
    char caption[64] = {};
    GetWindowTextA(line.hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Select Line Width");
    EXPECT_TRUE(Style(GetDlgItem(line.hwnd, IDC_LINE_SLIDER)) & TBS_AUTOTICKS);
}

TEST(Resources, ToolbarButtonsAreStackedWithTheirKinds) {
    const Dialog bar(IDD_DRAW_TOOLBAR);
    ASSERT_NE(bar.hwnd, nullptr);
    RECT client{};
    GetClientRect(bar.hwnd, &client);
    ExpectNear(client, bar.Units(0, 0, 39, 305), "toolbar size");
    EXPECT_TRUE(ExStyle(bar.hwnd) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ExStyle(bar.hwnd) & WS_EX_STATICEDGE);
    EXPECT_TRUE(ExStyle(bar.hwnd) & WS_EX_TOPMOST) << "the toolbar stays above other windows";
    EXPECT_FALSE(Style(bar.hwnd) & WS_CAPTION);

    const int order[] = {IDC_SIDE,          IDC_MOUSE,         IDC_PEN,          IDC_ERASER,
                         IDC_PEN_WIDTH,     IDC_PEN_COLOR,     IDC_CLEAN_SCREEN, IDC_SCREEN_CAPTURE,
                         IDC_REDRAW_SCREEN, IDC_SOFT_KEYBOARD, IDC_BOARD};
    LONG lastTop = -1;
    for (int id : order) {
        HWND b = GetDlgItem(bar.hwnd, id);
        ASSERT_NE(b, nullptr) << id;
        const DWORD s = Style(b);
        const DWORD type = s & BS_TYPEMASK;
        if (id == IDC_MOUSE || id == IDC_PEN || id == IDC_ERASER) {
            EXPECT_EQ(type, static_cast<DWORD>(BS_AUTORADIOBUTTON)) << id;
            EXPECT_TRUE(s & BS_PUSHLIKE) << id;
        } else if (id == IDC_BOARD) {
            EXPECT_EQ(type, static_cast<DWORD>(BS_AUTOCHECKBOX));
            EXPECT_TRUE(s & BS_PUSHLIKE);
        } else {
            EXPECT_EQ(type, static_cast<DWORD>(BS_PUSHBUTTON)) << id;
        }
        RECT r{};
        GetWindowRect(b, &r);
        EXPECT_GT(r.top, lastTop) << id << " is laid out below the previous button";
        lastTop = r.top;
    }
    // The three tools form one radio group: checking one unchecks the others.
    CheckRadioButton(bar.hwnd, IDC_MOUSE, IDC_ERASER, IDC_PEN);
    EXPECT_EQ(IsDlgButtonChecked(bar.hwnd, IDC_PEN), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(bar.hwnd, IDC_MOUSE), BST_UNCHECKED);
}

struct MenuEntry {
    UINT id;  // 0 for a separator
    const wchar_t* text;
};

void ExpectMenu(HMENU menu, const std::vector<MenuEntry>& want, const char* what) {
    ASSERT_NE(menu, nullptr) << what;
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(want.size())) << what;
    for (size_t i = 0; i < want.size(); ++i) {
        MENUITEMINFOW mi{};
        wchar_t text[64] = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi)) << what << i;
        if (want[i].id == 0) {
            EXPECT_TRUE(mi.fType & MFT_SEPARATOR) << what << " item " << i;
        } else {
            EXPECT_EQ(mi.wID, want[i].id) << what << " item " << i;
            EXPECT_EQ(std::wstring(text), std::wstring(want[i].text)) << what << " item " << i;
        }
    }
}

TEST(Resources, MenusStringAndIcon) {
    HMENU tray = LoadMenuA(Resources(), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ExpectMenu(GetSubMenu(tray, 0),
               {{32788, L"Do &Calibration"},
                {0, nullptr},
                {32805, L"Projection &Distance"},
                {0, nullptr},
                {32798, L"&About"},
                {0, nullptr},
                {32773, L"&Exit"}},
               "menu 152");
    DestroyMenu(tray);

    HMENU pen = LoadMenuW(Resources(), MAKEINTRESOURCEW(IDR_PEN_MENUS));
    ASSERT_EQ(GetMenuItemCount(pen), 2);
    wchar_t name[32] = {};
    GetMenuStringW(pen, 0, name, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(name), L"Pen Color");
    GetMenuStringW(pen, 1, name, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(name), L"Line Styler");
    ExpectMenu(
        GetSubMenu(pen, 0),
        {{32793, L"\x87a2\x5149\x7b46"}, {0, nullptr}, {0, nullptr}, {32795, L"Custom Color"}},
        "pen colour popup");
    ExpectMenu(GetSubMenu(pen, 1), {{0, nullptr}, {32796, L"Custom"}}, "line popup");
    DestroyMenu(pen);

    char text[200] = {};
    ASSERT_GT(LoadStringA(Resources(), IDP_OLE_INIT_FAILED, text, sizeof text), 0);
    EXPECT_STREQ(text,
                 "OLE initialization failed.  Make sure that the OLE libraries are the correct "
                 "version.");

    for (int size : {16, 32, 48}) {
        HANDLE icon =
            LoadImageA(Resources(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

// Mean red and green of an icon drawn over black.
std::pair<double, double> MeanRedGreen(HICON icon) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    GdiFlush();
    double r = 0, g = 0;
    const auto* p = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < 32 * 32; ++i) {
        g += p[i * 4 + 1];
        r += p[i * 4 + 2];
    }
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return {r / 1024, g / 1024};
}

TEST(Resources, NotificationIconsAreInstalledAndTellTheStatesApart) {
    const std::string dir = testing::ProgramDirectory() + "Icon\\";
    HICON connect =
        static_cast<HICON>(LoadImageA(nullptr, (dir + "Connect.ico").c_str(), IMAGE_ICON, 0, 0,
                                      LR_LOADFROMFILE | LR_DEFAULTSIZE));
    HICON disconnect =
        static_cast<HICON>(LoadImageA(nullptr, (dir + "Disconnect.ico").c_str(), IMAGE_ICON, 0, 0,
                                      LR_LOADFROMFILE | LR_DEFAULTSIZE));
    ASSERT_NE(connect, nullptr);
    ASSERT_NE(disconnect, nullptr);
    const auto [cr, cg] = MeanRedGreen(connect);
    const auto [dr, dg] = MeanRedGreen(disconnect);
    EXPECT_GT(cg, cr + 30) << "the connected icon is green";
    EXPECT_GT(dr, dg) << "the disconnected icon is grey with a red bar";
    DestroyIcon(connect);
    DestroyIcon(disconnect);
}

}  // namespace
}  // namespace halvertone
