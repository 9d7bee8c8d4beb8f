#pragma once
// How one owner-drawn item of the pen menus is painted, as a list of fills and frames: a
// colour swatch or a line bar, the red frame of the current item, and the blue frame of the
// item under the cursor.
#include <cstdint>
#include <vector>

#include "base/pixel_rect.h"

namespace halvertone {

struct MenuPaint {
    enum class Kind { kFill, kFrame };  // a frame is one pixel wide, inside the rectangle
    Kind kind;
    PixelRect rect;
    uint32_t colour;  // GDI colour 0x00BBGGRR
    friend bool operator==(const MenuPaint&, const MenuPaint&) = default;
};

// What the menu asks for: the whole item, or only a change of its selection; and whether the
// item is now selected (under the cursor).
struct MenuDrawRequest {
    bool drawEntire = false;
    bool selectionChange = false;
    bool selected = false;
};

inline constexpr uint32_t kCurrentItemFrame = 0x0000FF;   // red
inline constexpr uint32_t kSelectedItemFrame = 0xFF0000;  // blue

// `r` shrunk by `n` pixels on every side.
PixelRect Inset(const PixelRect& r, int32_t n);

std::vector<MenuPaint> ColourItemPaints(const PixelRect& r, uint32_t colour, bool current,
                                        const MenuDrawRequest& request, uint32_t buttonFace);
// A black bar `width` pixels high, centred vertically in the item.
std::vector<MenuPaint> LineItemPaints(const PixelRect& r, int32_t width, bool current,
                                      const MenuDrawRequest& request, uint32_t buttonFace);

}  // namespace halvertone
