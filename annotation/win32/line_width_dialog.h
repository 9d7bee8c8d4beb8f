#pragma once
// "Select Line Width" (dialog 177): a slider from 3 to 100 with a label that follows it.
#include <windows.h>

#include "annotation/pen_menu_choices.h"
#include "calibration/text_lookup.h"
#include "platform/win32/dialog_window.h"

namespace halvertone {

class LineWidthDialog final : public LineWidthPicker, private DialogWindow {
  public:
    LineWidthDialog(HINSTANCE resources, TextLookup text);
    void SetOwner(HWND owner) { owner_ = owner; }
    // Runs the dialog modally; the slider's value on OK, none on Cancel.
    std::optional<int32_t> Choose(int32_t current) override;

  private:
    void OnInitDialog() override;
    void OnCommand(int id, int code) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void ShowValue();

    HINSTANCE resources_;
    TextLookup text_;
    HWND owner_ = nullptr;
    int32_t value_ = 0;
};

}  // namespace halvertone
