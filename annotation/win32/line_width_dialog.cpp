#include "annotation/win32/line_width_dialog.h"

#include <commctrl.h>

#include <utility>

#include "annotation/line_width_range.h"
#include "resources/resource.h"

namespace halvertone {
namespace {
constexpr int kCancelled = -1;
constexpr size_t kTextChars = 200;
}  // namespace

LineWidthDialog::LineWidthDialog(HINSTANCE resources, TextLookup text)
    : resources_(resources), text_(WithTextBuffer(std::move(text), kTextChars)) {}

std::optional<int32_t> LineWidthDialog::Choose(int32_t current) {
    value_ = line_width::SliderPosition(current);
    const INT_PTR result = RunModal(resources_, IDD_LINE_WIDTH, owner_, nullptr);
    if (result < line_width::kMin || result > line_width::kMax) return std::nullopt;
    return static_cast<int32_t>(result);
}

void LineWidthDialog::OnInitDialog() {
    SetCaption(text_("Custom Line Dialog", "Caption"));
    SetItemText(IDOK, text_("String Table", "OK Button"));
    SetItemText(IDCANCEL, text_("String Table", "Cancel Button"));
    HWND slider = GetDlgItem(Handle(), IDC_LINE_SLIDER);
    SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(line_width::kMin, line_width::kMax));
    SendMessageA(slider, TBM_SETPAGESIZE, 0, line_width::kPage);
    SendMessageA(slider, TBM_SETPOS, TRUE, value_);
    SendMessageA(slider, TBM_SETTICFREQ, line_width::kTickEvery, 0);
    ShowValue();
}

void LineWidthDialog::ShowValue() {
    const LRESULT pos = SendDlgItemMessageA(Handle(), IDC_LINE_SLIDER, TBM_GETPOS, 0, 0);
    value_ = line_width::SliderPosition(static_cast<int32_t>(pos));
    SetItemText(IDC_LINE_VALUE, line_width::Label(value_));
}

void LineWidthDialog::OnCommand(int id, int /*code*/) {
    if (id == IDOK) {
        ShowValue();
        End(value_);
    } else if (id == IDCANCEL) {
        End(kCancelled);
    }
}

bool LineWidthDialog::OnMessage(UINT msg, WPARAM /*wp*/, LPARAM lp, INT_PTR& result) {
    if (msg != WM_HSCROLL || reinterpret_cast<HWND>(lp) != GetDlgItem(Handle(), IDC_LINE_SLIDER))
        return false;
    ShowValue();
    result = TRUE;
    return true;
}

}  // namespace halvertone
