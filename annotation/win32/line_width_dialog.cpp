#include "annotation/win32/line_width_dialog.h"

#include <commctrl.h>

#include <utility>

#include "annotation/line_width_range.h"
#include "resources/resource.h"

namespace halvertone {
namespace {
constexpr INT_PTR kCancelled = -1;
constexpr size_t kTextChars = 200;
}  // namespace

LineWidthDialog::LineWidthDialog(HINSTANCE resources, TextLookup text)
    : resources_(resources), text_(WithTextBuffer(std::move(text), kTextChars)) {}

std::optional<int32_t> LineWidthDialog::Choose(int32_t current) {
    value_ = line_width::SliderPosition(current);
    const INT_PTR result = DialogBoxParamA(resources_, MAKEINTRESOURCEA(IDD_LINE_WIDTH), owner_,
                                           &LineWidthDialog::Proc, reinterpret_cast<LPARAM>(this));
    if (result < line_width::kMin || result > line_width::kMax) return std::nullopt;
    return static_cast<int32_t>(result);
}

void LineWidthDialog::OnInit(HWND dialog) {
    SetWindowTextA(dialog, text_("Custom Line Dialog", "Caption").c_str());
    SetDlgItemTextA(dialog, IDOK, text_("String Table", "OK Button").c_str());
    SetDlgItemTextA(dialog, IDCANCEL, text_("String Table", "Cancel Button").c_str());
    HWND slider = GetDlgItem(dialog, IDC_LINE_SLIDER);
    SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(line_width::kMin, line_width::kMax));
    SendMessageA(slider, TBM_SETPAGESIZE, 0, line_width::kPage);
    SendMessageA(slider, TBM_SETPOS, TRUE, value_);
    SendMessageA(slider, TBM_SETTICFREQ, line_width::kTickEvery, 0);
    ShowValue(dialog);
}

void LineWidthDialog::ShowValue(HWND dialog) {
    const LRESULT pos = SendDlgItemMessageA(dialog, IDC_LINE_SLIDER, TBM_GETPOS, 0, 0);
    value_ = line_width::SliderPosition(static_cast<int32_t>(pos));
    SetDlgItemTextA(dialog, IDC_LINE_VALUE, line_width::Label(value_).c_str());
}

INT_PTR CALLBACK LineWidthDialog::Proc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lp);
        reinterpret_cast<LineWidthDialog*>(lp)->OnInit(dialog);
        return TRUE;
    }
    auto* self = reinterpret_cast<LineWidthDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (self == nullptr) return FALSE;
    switch (msg) {
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == GetDlgItem(dialog, IDC_LINE_SLIDER))
                self->ShowValue(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) {
                self->ShowValue(dialog);
                EndDialog(dialog, self->value_);
                return TRUE;
            }
            if (LOWORD(wp) == IDCANCEL) {
                EndDialog(dialog, kCancelled);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace halvertone
