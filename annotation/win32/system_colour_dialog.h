#pragma once
// The system colour dialog behind "Custom Color": fully opened on the pen's colour, with the
// cursor moved to the middle of the screen first so the pen finds the dialog there.
#include <windows.h>

#include <array>

#include "annotation/pen_menu_choices.h"

namespace halvertone {

class SystemColourDialog final : public ColourDialog {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<uint32_t> Choose(uint32_t initial) override;

  private:
    HWND owner_ = nullptr;
    std::array<COLORREF, 16> customColours_{};  // the dialog's own row, kept between openings
};

}  // namespace halvertone
