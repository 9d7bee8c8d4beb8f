#include "annotation/toolbar_layout.h"

#include <algorithm>

namespace halvertone {
namespace {

int32_t IconSize(int32_t v) {
    return std::clamp<int32_t>(v, 0, kMaxToolbarIconSize);
}

PixelRect At(int32_t x, int32_t y, int32_t width, int32_t height) {
    return PixelRect{x, y, x + width, y + height};
}

}  // namespace

ToolbarLayout LayOutToolbar(int32_t baseUnitX, int32_t baseUnitY, const ToolbarIconSet& icons) {
    const int32_t h = std::clamp<int32_t>(baseUnitX, 0, 0xFFFF) / 2;
    const int32_t v = std::clamp<int32_t>(baseUnitY, 0, 0xFFFF) / 2;
    const int32_t p = IconSize(icons.positionIconSize);
    const int32_t w = IconSize(icons.otherIconWidth);
    const int32_t ht = IconSize(icons.otherIconHeight);

    ToolbarLayout layout;
    layout.side = At(h + (w - p) / 2, v, p + 4, p + 4);
    int32_t y = p + 2 * v + 4;
    for (PixelRect& r : layout.stack) {
        r = At(h, y, w + 4, ht + 4);
        y += ht + 4 + v;
    }
    layout.clientWidth = 2 * h + w + 4;
    layout.clientHeight = layout.stack.back().bottom + v;
    layout.boardTrim = layout.stack[9].bottom - layout.stack[8].bottom;
    return layout;
}

std::optional<PixelRect> DockToolbar(const PixelRect& window, const PixelRect& workArea,
                                     int32_t side, int32_t trim) {
    if (side != 0 && side != 1) return std::nullopt;
    const int32_t width = window.right - window.left;
    const int32_t height = window.bottom - trim - window.top;
    const int32_t x = side == 0 ? workArea.left : workArea.right - width;
    const int32_t y = (workArea.bottom - workArea.top - height) / 2;
    return At(x, y, width, height);
}

}  // namespace halvertone
