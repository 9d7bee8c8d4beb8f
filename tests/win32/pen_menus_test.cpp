// The pen colour and line menus for real: built from the resources, measured, painted into
// a bitmap and on the screen, chosen from with the keyboard, and the two dialogs behind the
// custom entries driven from the test.
#include "annotation/win32/pen_menus.h"

#include <windows.h>
// windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annotation/pen_menu_items.h"
#include "modal_script.h"
#include "resource_module.h"
#include "resources/resource.h"
#include "scratch_directory.h"
#include "screen_readback.h"
#include "test_language.h"
#include "test_window.h"

namespace halvertone {
namespace {

using namespace pen_menu;

std::string PenLanguageText() {
    return "[String Table]\r\n"
           "Pen_Transparency=Marker\r\n"
           "Pen_Custom_Color=Own colour\r\n"
           "Pen_Custom_LineSize=Own width\r\n"
           "OK Button=Take\r\n"
           "Cancel Button=Leave\r\n"
           "[Custom Line Dialog]\r\n"
           "Caption=Width of the line\r\n";
}

std::string ItemText(HMENU menu, UINT pos) {
    char text[256] = {};
    GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
    return text;
}

struct ItemInfo {
    UINT id = 0;
    UINT type = 0;
    UINT state = 0;
    ULONG_PTR data = 0;
};

ItemInfo Item(HMENU menu, UINT pos) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    GetMenuItemInfoA(menu, pos, TRUE, &info);
    return {info.wID, info.fType, info.fState, info.dwItemData};
}

// Owns the menus while a test pops them up: the measure and draw messages go to the menus.
class MenuOwner {
  public:
    explicit MenuOwner(PenMenus& menus) {
        active_ = &menus;
        hwnd = testing::CreateTestWindow("PenMenusTestOwner", Proc, WS_VISIBLE, WS_EX_TOPMOST,
                                         {0, 0, 20, 20});
        SetForegroundWindow(hwnd);
    }
    ~MenuOwner() {
        DestroyWindow(hwnd);
        active_ = nullptr;
    }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;

    HWND hwnd = nullptr;
    static inline int drawn = 0;

  private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        if (active_ != nullptr && msg == WM_MEASUREITEM &&
            active_->OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp)))
            return TRUE;
        if (active_ != nullptr && msg == WM_DRAWITEM &&
            active_->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) {
            ++drawn;
            return TRUE;
        }
        return DefWindowProcA(h, msg, wp, lp);
    }
    static inline PenMenus* active_ = nullptr;
};

class PenMenusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(testing::ResourceModule(), nullptr);
        pen.colour = 0x0000FF;  // the red preset, id 116
        pen.width = 5;
    }
    TextLookup Text() { return testing::LanguageLookup(dir.Write("lang.ini", PenLanguageText())); }

    testing::ScratchDirectory dir;
    PenAttributes pen;
    SharedValue<int32_t> transparency{0};
};

TEST_F(PenMenusTest, BuildFillsBothMenusFromTheResourceAndTheLanguageFile) {
    pen.highlighter = true;
    pen.width = 9;
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    menus.Build();
    HMENU colour = menus.ColourMenu(), line = menus.LineMenu();
    ASSERT_NE(colour, nullptr);
    ASSERT_NE(line, nullptr);

    ASSERT_EQ(GetMenuItemCount(colour), 20);
    EXPECT_EQ(Item(colour, 0).id, static_cast<UINT>(kHighlighterId));
    EXPECT_EQ(ItemText(colour, 0), "Marker");
    EXPECT_TRUE(Item(colour, 0).state & MFS_CHECKED);
    EXPECT_TRUE(Item(colour, 1).type & MFT_SEPARATOR);
    for (UINT i = 0; i < 16; ++i) {
        const ItemInfo item = Item(colour, i + 2);
        EXPECT_EQ(item.id, 106 + i);
        EXPECT_TRUE(item.type & MFT_OWNERDRAW) << i;
        EXPECT_EQ(item.data, kColours[i]) << i;
    }
    EXPECT_TRUE(Item(colour, 18).type & MFT_SEPARATOR);
    EXPECT_EQ(Item(colour, 19).id, static_cast<UINT>(kCustomColourId));
    EXPECT_EQ(ItemText(colour, 19), "Own colour");
    EXPECT_FALSE(Item(colour, 19).state & MFS_CHECKED);

    ASSERT_EQ(GetMenuItemCount(line), 7);
    for (UINT i = 0; i < 5; ++i) {
        EXPECT_EQ(Item(line, i).id, 122 + i);
        EXPECT_TRUE(Item(line, i).type & MFT_OWNERDRAW);
        EXPECT_EQ(Item(line, i).data, static_cast<ULONG_PTR>(3 + i));
    }
    EXPECT_TRUE(Item(line, 5).type & MFT_SEPARATOR);
    EXPECT_EQ(ItemText(line, 6), "Own width");
    EXPECT_TRUE(Item(line, 6).state & MFS_CHECKED) << "a width of 8 or more checks Custom";
}

TEST_F(PenMenusTest, MissingLanguageKeysGiveEmptyTexts) {
    PenMenus menus(testing::ResourceModule(), testing::LanguageLookup(dir.Write("e.ini", "")), pen,
                   transparency);
    menus.Build();
    EXPECT_EQ(ItemText(menus.ColourMenu(), 0), "");
    EXPECT_EQ(ItemText(menus.ColourMenu(), 19), "");
    EXPECT_EQ(ItemText(menus.LineMenu(), 6), "");
    EXPECT_FALSE(Item(menus.LineMenu(), 6).state & MFS_CHECKED);
}

TEST_F(PenMenusTest, ChoicesMoveTheCheckMarks) {
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    menus.Build();
    EXPECT_TRUE(menus.ApplyColourChoice(kHighlighterId));
    EXPECT_TRUE(pen.highlighter.load());
    EXPECT_EQ(transparency.load(), 1);
    EXPECT_TRUE(Item(menus.ColourMenu(), 0).state & MFS_CHECKED);
    menus.ApplyColourChoice(kHighlighterId);
    EXPECT_FALSE(Item(menus.ColourMenu(), 0).state & MFS_CHECKED);

    EXPECT_TRUE(menus.ApplyLineChoice(123));
    EXPECT_EQ(pen.width.load(), 4);
    EXPECT_EQ(menus.Marks().currentLineItem, 123);
    EXPECT_FALSE(menus.ApplyLineChoice(106));
}

TEST_F(PenMenusTest, EveryOwnerDrawnItemMeasures110By15) {
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    for (UINT id : {106u, 121u, 122u, 126u}) {
        MEASUREITEMSTRUCT m{ODT_MENU, 0, id, 0, 0, 0};
        EXPECT_TRUE(menus.OnMeasureItem(m));
        EXPECT_EQ(m.itemWidth, 110u);
        EXPECT_EQ(m.itemHeight, 15u);
    }
    MEASUREITEMSTRUCT button{ODT_BUTTON, 1079, 106, 0, 0, 0};
    EXPECT_FALSE(menus.OnMeasureItem(button));
    MEASUREITEMSTRUCT other{ODT_MENU, 0, 32795, 0, 0, 0};
    EXPECT_FALSE(menus.OnMeasureItem(other));
}

// A 32-bit bitmap to draw items into, read back as GDI colours.
class Canvas {
  public:
    Canvas() {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc = CreateCompatibleDC(nullptr);
        bitmap_ =
            CreateDIBSection(dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc, bitmap_);
        const RECT all{0, 0, kW, kH};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    uint32_t At(int x, int y) const {
        GdiFlush();
        const uint32_t v = bits_[y * kW + x];
        return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
    }
    DRAWITEMSTRUCT Item(UINT id, ULONG_PTR data, UINT action, UINT state) const {
        return {ODT_MENU, 0, id, action, state, nullptr, dc, kItem, data};
    }

    static constexpr int kW = 140, kH = 40;
    static constexpr RECT kItem{10, 10, 120, 25};
    HDC dc = nullptr;

  private:
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

TEST_F(PenMenusTest, DrawingAColourItemPaintsTheSwatchAndTheFrames) {
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    const uint32_t gray = 0x808080;
    {
        Canvas c;  // the current colour, drawn whole: swatch and red frame
        ASSERT_TRUE(menus.OnDrawItem(c.Item(116, 0x0000FF, ODA_DRAWENTIRE, 0)));
        EXPECT_EQ(c.At(13, 13), 0x0000FFu);
        EXPECT_EQ(c.At(116, 21), 0x0000FFu);
        EXPECT_EQ(c.At(11, 17), 0x0000FFu) << "red frame at inset 1";
        EXPECT_EQ(c.At(10, 10), gray) << "the item's own edge is left alone";
        EXPECT_EQ(c.At(12, 17), gray) << "between frame and swatch";
    }
    {
        Canvas c;  // another colour: swatch only
        menus.OnDrawItem(c.Item(110, 0x008000, ODA_DRAWENTIRE, 0));
        EXPECT_EQ(c.At(60, 17), 0x008000u);
        EXPECT_EQ(c.At(11, 17), gray);
    }
    {
        Canvas c;  // under the cursor: blue edge, white inner frame
        menus.OnDrawItem(c.Item(110, 0x008000, ODA_SELECT, ODS_SELECTED));
        EXPECT_EQ(c.At(10, 10), 0xFF0000u);
        EXPECT_EQ(c.At(119, 24), 0xFF0000u);
        EXPECT_EQ(c.At(11, 17), 0xFFFFFFu);
        EXPECT_EQ(c.At(60, 17), gray) << "a selection change does not repaint the swatch";
    }
    {
        Canvas c;  // leaving the item: button face, swatch again
        menus.OnDrawItem(c.Item(110, 0x008000, ODA_SELECT, 0));
        EXPECT_EQ(c.At(10, 10), static_cast<uint32_t>(GetSysColor(COLOR_BTNFACE)));
        EXPECT_EQ(c.At(60, 17), 0x008000u);
    }
    Canvas c;
    EXPECT_FALSE(menus.OnDrawItem(c.Item(32795, 0, ODA_DRAWENTIRE, 0)));
    EXPECT_EQ(c.At(60, 17), gray);
}

TEST_F(PenMenusTest, DrawingALineItemPaintsACentredBar) {
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);  // width 5: 124
    Canvas c;
    ASSERT_TRUE(menus.OnDrawItem(c.Item(124, 5, ODA_DRAWENTIRE, 0)));
    // Height 15, bar 5: rows 15..19 from left + 2 to right - 2.
    for (int y = 15; y < 20; ++y) EXPECT_EQ(c.At(60, y), 0u) << y;
    EXPECT_EQ(c.At(60, 14), 0x808080u);
    EXPECT_EQ(c.At(60, 20), 0x808080u);
    EXPECT_EQ(c.At(12, 17), 0u);
    EXPECT_EQ(c.At(117, 17), 0u);
    EXPECT_EQ(c.At(118, 17), 0x808080u);
    EXPECT_EQ(c.At(10, 10), 0x0000FFu) << "the current bar's item is framed red";

    Canvas other;
    menus.OnDrawItem(other.Item(126, 7, ODA_DRAWENTIRE, 0));
    EXPECT_EQ(other.At(60, 14), 0u);
    EXPECT_EQ(other.At(10, 10), 0x808080u);
}

// Timer steps while a popup menu is tracked on this thread; a watchdog closes it.
struct MenuDriver {
    static inline std::vector<UINT> keys;
    static inline size_t next = 0;
    static inline DWORD start = 0;
    static inline bool sawMenu = false;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = FindWindowA("#32768", nullptr);
        if (GetTickCount() - start > 8000) {
            KillTimer(nullptr, id);
            EndMenu();
            return;
        }
        if (popup == nullptr || !IsWindowVisible(popup)) return;
        sawMenu = true;
        if (next < keys.size()) PostMessageA(popup, WM_KEYDOWN, keys[next++], 0);
    }
};

TEST_F(PenMenusTest, ThePopupIsPaintedAndAKeyboardChoiceIsApplied) {
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    menus.Build();
    MenuOwner owner(menus);
    MenuOwner::drawn = 0;
    // Down to the highlighter, then over the separator to 106 .. 110; Enter chooses 110.
    MenuDriver::keys = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
    MenuDriver::next = 0;
    MenuDriver::sawMenu = false;
    MenuDriver::start = GetTickCount();
    const POINT at{600, 200};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, MenuDriver::Tick);
    const int chosen = menus.PopUpColourMenu(owner.hwnd, at);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(MenuDriver::sawMenu);
    EXPECT_GT(MenuOwner::drawn, 16) << "every swatch was drawn by the menus";
    EXPECT_EQ(chosen, 110);
    EXPECT_EQ(pen.colour.load(), 0x008000u);
    EXPECT_EQ(menus.Marks().currentColourItem, 110);
}

// Reads the current swatch off the screen once the colour menu is up, then closes it.
struct Reader {
    static inline HMENU menu = nullptr;
    static inline uint32_t inside = 0, frame = 0;
    static inline bool read = false;
    static inline int ticksDrawn = 0;
    static inline DWORD start = 0;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = FindWindowA("#32768", nullptr);
        if (popup != nullptr && IsWindowVisible(popup) && !read) {
            RECT item{};
            // Position 12 holds 116, the current (red) colour.
            // Once every swatch has been drawn; the menu finds its own window (no owner).
            if (MenuOwner::drawn >= 16 && ++ticksDrawn > 1 &&
                GetMenuItemRect(nullptr, menu, 12, &item)) {
                inside = testing::ScreenPixel((item.left + item.right) / 2,
                                              (item.top + item.bottom) / 2);
                frame = testing::ScreenPixel(item.left + 1, (item.top + item.bottom) / 2);
                read = true;
            }
        }
        if (read || GetTickCount() - start > 8000) {
            KillTimer(nullptr, id);
            EndMenu();
        }
    }
};

TEST_F(PenMenusTest, ThePopupIsDrawnOnTheScreen) {
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    menus.Build();
    MenuOwner owner(menus);
    Reader::menu = menus.ColourMenu();
    Reader::read = false;
    Reader::start = GetTickCount();
    MenuOwner::drawn = 0;
    Reader::ticksDrawn = 0;
    SetTimer(nullptr, 0, 100, Reader::Tick);
    EXPECT_EQ(menus.PopUpColourMenu(owner.hwnd, {600, 200}), 0);
    ASSERT_TRUE(Reader::read);
    EXPECT_EQ(Reader::inside, 0x0000FFu);
    EXPECT_EQ(Reader::frame, 0x0000FFu) << "the current swatch is framed red";
    EXPECT_EQ(pen.colour.load(), 0x0000FFu) << "closing without a choice changes nothing";
}

HWND LineDialog() {
    return testing::ThreadDialogWith(IDC_LINE_SLIDER);
}

LRESULT Slider(HWND dialog, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    return SendDlgItemMessageA(dialog, IDC_LINE_SLIDER, msg, wp, lp);
}

std::string ControlText(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

TEST_F(PenMenusTest, LineWidthDialogOffersThreeToOneHundredAndReturnsTheSliderOnOk) {
    LineWidthDialog dialog(testing::ResourceModule(), Text());
    std::string caption, ok, cancel, labelAtStart, labelAfterPage;
    LRESULT min = 0, max = 0, page = 0, pos = 0, ticks = 0;
    testing::ModalScript script(
        LineDialog, {
                        [&](HWND d) {
                            char text[256] = {};
                            GetWindowTextA(d, text, sizeof text);
                            caption = text;
                            ok = ControlText(d, IDOK);
                            cancel = ControlText(d, IDCANCEL);
                            min = Slider(d, TBM_GETRANGEMIN);
                            max = Slider(d, TBM_GETRANGEMAX);
                            page = Slider(d, TBM_GETPAGESIZE);
                            pos = Slider(d, TBM_GETPOS);
                            ticks = Slider(d, TBM_GETNUMTICS);
                            labelAtStart = ControlText(d, IDC_LINE_VALUE);
                        },
                        // Page Down on the slider moves it by a page; the slider tells the dialog.
                        [&](HWND d) {
                            HWND s = GetDlgItem(d, IDC_LINE_SLIDER);
                            SetFocus(s);
                            SendMessageA(s, WM_KEYDOWN, VK_NEXT, 0);
                            SendMessageA(s, WM_KEYUP, VK_NEXT, 0);
                        },
                        [&](HWND d) { labelAfterPage = ControlText(d, IDC_LINE_VALUE); },
                        [&](HWND d) { SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); },
                    });
    const std::optional<int32_t> chosen = dialog.Choose(12);
    EXPECT_TRUE(script.AllStepsRan());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(caption, "Width of the line");
    EXPECT_EQ(ok, "Take");
    EXPECT_EQ(cancel, "Leave");
    EXPECT_EQ(min, 3);
    EXPECT_EQ(max, 100);
    EXPECT_EQ(page, 5);
    EXPECT_EQ(pos, 12);
    EXPECT_EQ(ticks, 21) << "a tick every 5 between the two ends";
    EXPECT_EQ(labelAtStart, "12");
    EXPECT_EQ(labelAfterPage, "17");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, 17);
}

TEST_F(PenMenusTest, LineWidthDialogClampsAndCancelReturnsNothing) {
    LineWidthDialog dialog(testing::ResourceModule(), Text());
    std::string low, high;
    testing::ModalScript script(
        LineDialog, {
                        [&](HWND d) { low = ControlText(d, IDC_LINE_VALUE); },
                        [&](HWND d) {
                            SendMessageA(GetDlgItem(d, IDC_LINE_SLIDER), WM_KEYDOWN, VK_END, 0);
                            high = ControlText(d, IDC_LINE_VALUE);
                        },
                        [&](HWND d) { SendDlgItemMessageA(d, IDCANCEL, BM_CLICK, 0, 0); },
                    });
    EXPECT_FALSE(dialog.Choose(1).has_value());
    EXPECT_TRUE(script.AllStepsRan());
    EXPECT_EQ(low, "3");
    EXPECT_EQ(high, "100");
}

TEST_F(PenMenusTest, CustomColourOpensTheColourDialogAtTheScreenCentre) {
    pen.colour = 0x123456;
    PenMenus menus(testing::ResourceModule(), Text(), pen, transparency);
    menus.Build();
    SetCursorPos(5, 5);
    POINT cursor{};
    // The colour dialog is the thread's dialog with an OK button and no slider.
    testing::ModalScript script(
        [] {
            HWND d = testing::ThreadDialogWith(IDOK);
            return d != nullptr && IsWindowVisible(d) ? d : nullptr;
        },
        {
            [&](HWND) { GetCursorPos(&cursor); },
            [&](HWND d) { SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); },
        });
    EXPECT_TRUE(menus.ApplyColourChoice(kCustomColourId));
    EXPECT_TRUE(script.AllStepsRan());
    EXPECT_EQ(cursor.x, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(cursor.y, GetSystemMetrics(SM_CYSCREEN) / 2);
    EXPECT_EQ(pen.colour.load(), 0x123456u) << "opened on the pen's colour";
    EXPECT_TRUE(Item(menus.ColourMenu(), 19).state & MFS_CHECKED);
}

}  // namespace
}  // namespace halvertone
