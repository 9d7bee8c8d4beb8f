#pragma once
// "Select Line Width" (dialog 177): a slider from 3 to 100 with a label that follows it.
#include <windows.h>

#include "annotation/pen_menu_choices.h"
#include "calibration/text_lookup.h"

namespace halvertone {

class LineWidthDialog final : public LineWidthPicker {
  public:
    LineWidthDialog(HINSTANCE resources, TextLookup text);
    void SetOwner(HWND owner) { owner_ = owner; }
    // Runs the dialog modally; the slider's value on OK, none on Cancel.
    std::optional<int32_t> Choose(int32_t current) override;

  private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
    void OnInit(HWND dialog);
    void ShowValue(HWND dialog);

    HINSTANCE resources_;
    TextLookup text_;
    HWND owner_ = nullptr;
    int32_t value_ = 0;
};

}  // namespace halvertone
