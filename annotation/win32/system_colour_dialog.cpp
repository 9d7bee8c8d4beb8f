#include "annotation/win32/system_colour_dialog.h"

#include <commdlg.h>

namespace halvertone {

std::optional<uint32_t> SystemColourDialog::Choose(uint32_t initial) {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner_;
    cc.rgbResult = initial;
    cc.lpCustColors = customColours_.data();
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&cc)) return std::nullopt;
    return static_cast<uint32_t>(cc.rgbResult);
}

}  // namespace halvertone
