#include "annotation/win32/pen_menus.h"

#include <utility>

#include "annotation/pen_menu_items.h"
#include "annotation/pen_menu_painting.h"
#include "resources/resource.h"

namespace halvertone {
namespace {

using namespace pen_menu;

constexpr size_t kItemTextChars = 200;

bool IsColourItem(UINT id) {
    return id >= static_cast<UINT>(kFirstColourId) && id <= static_cast<UINT>(kLastColourId);
}
bool IsLineItem(UINT id) {
    return id >= static_cast<UINT>(kFirstWidthId) && id <= static_cast<UINT>(kLastWidthId);
}

UINT CheckFlag(bool on) {
    return on ? MF_CHECKED : MF_UNCHECKED;
}

void Paint(HDC dc, const std::vector<MenuPaint>& paints) {
    for (const MenuPaint& p : paints) {
        const RECT r{p.rect.left, p.rect.top, p.rect.right, p.rect.bottom};
        HBRUSH brush = CreateSolidBrush(p.colour);
        if (brush == nullptr) continue;
        if (p.kind == MenuPaint::Kind::kFill) {
            FillRect(dc, &r, brush);
        } else {
            FrameRect(dc, &r, brush);
        }
        DeleteObject(brush);
    }
}

}  // namespace

PenMenus::PenMenus(HINSTANCE resources, TextLookup text, PenAttributes& pen,
                   SharedValue<int32_t>& transparency)
    : resources_(resources),
      text_(WithTextBuffer(text, kItemTextChars)),
      pen_(pen),
      widthDialog_(resources, std::move(text)),
      choices_(pen, transparency, colourDialog_, widthDialog_) {}

PenMenus::~PenMenus() {
    if (menu_ != nullptr) DestroyMenu(menu_);
}

void PenMenus::Build() {
    if (menu_ != nullptr) return;
    menu_ = LoadMenuA(resources_, MAKEINTRESOURCEA(IDR_PEN_MENUS));
    if (menu_ == nullptr) return;
    colour_ = GetSubMenu(menu_, 0);
    line_ = GetSubMenu(menu_, 1);
    choices_.Reset();
    if (colour_ != nullptr) {
        ModifyMenuA(colour_, 0, MF_BYPOSITION | MF_STRING | CheckFlag(pen_.highlighter),
                    kHighlighterId, text_("String Table", "Pen_Transparency").c_str());
        for (size_t i = 0; i < kColours.size(); ++i) {
            // Owner-drawn items carry their colour as the item data.
            InsertMenuA(colour_, static_cast<UINT>(i + 2), MF_BYPOSITION | MF_OWNERDRAW,
                        static_cast<UINT_PTR>(kFirstColourId + static_cast<int>(i)),
                        reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(kColours[i])));
        }
        ModifyMenuA(colour_, kCustomColourId, MF_BYCOMMAND | MF_STRING, kCustomColourId,
                    text_("String Table", "Pen_Custom_Color").c_str());
    }
    if (line_ != nullptr) {
        for (size_t i = 0; i < kWidths.size(); ++i) {
            InsertMenuA(line_, static_cast<UINT>(i), MF_BYPOSITION | MF_OWNERDRAW,
                        static_cast<UINT_PTR>(kFirstWidthId + static_cast<int>(i)),
                        reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(kWidths[i])));
        }
        ModifyMenuA(line_, kCustomLineId, MF_BYCOMMAND | MF_STRING, kCustomLineId,
                    text_("String Table", "Pen_Custom_LineSize").c_str());
    }
    ShowChecks();
}

int PenMenus::Track(HMENU menu, HWND toolbar, POINT at) {
    if (menu == nullptr) return 0;
    colourDialog_.SetOwner(toolbar);
    widthDialog_.SetOwner(toolbar);
    return static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_RIGHTALIGN,
                                           at.x, at.y, 0, toolbar, nullptr));
}

int PenMenus::PopUpLineMenu(HWND toolbar, POINT at) {
    const int id = Track(line_, toolbar, at);
    ApplyLineChoice(id);
    return id;
}

int PenMenus::PopUpColourMenu(HWND toolbar, POINT at) {
    ShowChecks();  // the highlighter may have been switched from the settings since
    const int id = Track(colour_, toolbar, at);
    ApplyColourChoice(id);
    return id;
}

bool PenMenus::ApplyColourChoice(int id) {
    if (!choices_.ApplyColourChoice(id)) return false;
    ShowChecks();
    return true;
}

bool PenMenus::ApplyLineChoice(int id) {
    if (!choices_.ApplyLineChoice(id)) return false;
    ShowChecks();
    return true;
}

void PenMenus::ShowChecks() {
    const PenMenuMarks& marks = choices_.Marks();
    if (colour_ != nullptr) {
        CheckMenuItem(colour_, 0, MF_BYPOSITION | CheckFlag(pen_.highlighter));
        CheckMenuItem(colour_, kCustomColourId,
                      MF_BYCOMMAND | CheckFlag(marks.customColourChecked));
    }
    if (line_ != nullptr)
        CheckMenuItem(line_, kCustomLineId, MF_BYCOMMAND | CheckFlag(marks.customLineChecked));
}

bool PenMenus::OnMeasureItem(MEASUREITEMSTRUCT& m) {
    if (m.CtlType != ODT_MENU || !(IsColourItem(m.itemID) || IsLineItem(m.itemID))) return false;
    m.itemWidth = kItemWidth;
    m.itemHeight = kItemHeight;
    return true;
}

bool PenMenus::OnDrawItem(const DRAWITEMSTRUCT& d) {
    if (d.CtlType != ODT_MENU) return false;
    const bool colour = IsColourItem(d.itemID), line = IsLineItem(d.itemID);
    if (!colour && !line) return false;
    const PixelRect r{d.rcItem.left, d.rcItem.top, d.rcItem.right, d.rcItem.bottom};
    const MenuDrawRequest request{(d.itemAction & ODA_DRAWENTIRE) != 0,
                                  (d.itemAction & ODA_SELECT) != 0,
                                  (d.itemState & ODS_SELECTED) != 0};
    const uint32_t face = GetSysColor(COLOR_BTNFACE);
    const int id = static_cast<int>(d.itemID);
    const PenMenuMarks& marks = choices_.Marks();
    if (colour) {
        Paint(d.hDC, ColourItemPaints(r, static_cast<uint32_t>(d.itemData),
                                      id == marks.currentColourItem, request, face));
    } else {
        Paint(d.hDC, LineItemPaints(r, static_cast<int32_t>(d.itemData),
                                    id == marks.currentLineItem, request, face));
    }
    return true;
}

}  // namespace halvertone
