#include "annotation/pen_menu_painting.h"

#include <algorithm>

namespace halvertone {
namespace {

using Kind = MenuPaint::Kind;

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

bool SelectedNow(const MenuDrawRequest& q) {
    return q.selected && (q.drawEntire || q.selectionChange);
}

bool Deselected(const MenuDrawRequest& q) {
    return q.selectionChange && !q.selected;
}

PixelRect LineBar(const PixelRect& r, int32_t width) {
    const int32_t height = r.bottom - r.top;
    const int32_t bar = std::clamp(width, 0, std::max(height, 0));  // never outside the item
    const int32_t top = r.top + (height - bar) / 2;
    return {r.left + 2, top, r.right - 2, top + bar};
}

}  // namespace

PixelRect Inset(const PixelRect& r, int32_t n) {
    return {r.left + n, r.top + n, r.right - n, r.bottom - n};
}

std::vector<MenuPaint> ColourItemPaints(const PixelRect& r, uint32_t colour, bool current,
                                        const MenuDrawRequest& q, uint32_t buttonFace) {
    std::vector<MenuPaint> paints;
    if (q.drawEntire) {
        paints.push_back({Kind::kFill, Inset(r, 3), colour});
        if (current) paints.push_back({Kind::kFrame, Inset(r, 1), kCurrentItemFrame});
    }
    if (SelectedNow(q)) {
        paints.push_back({Kind::kFrame, r, kSelectedItemFrame});
        paints.push_back({Kind::kFrame, Inset(r, 1), current ? kCurrentItemFrame : kWhite});
        return paints;
    }
    if (Deselected(q)) {
        paints.push_back({Kind::kFill, r, buttonFace});
        paints.push_back({Kind::kFill, Inset(r, 3), colour});
        if (current) paints.push_back({Kind::kFrame, Inset(r, 1), kCurrentItemFrame});
    }
    return paints;
}

std::vector<MenuPaint> LineItemPaints(const PixelRect& r, int32_t width, bool current,
                                      const MenuDrawRequest& q, uint32_t buttonFace) {
    std::vector<MenuPaint> paints;
    if (q.drawEntire) {
        paints.push_back({Kind::kFill, LineBar(r, width), kBlack});
        if (current) paints.push_back({Kind::kFrame, r, kCurrentItemFrame});
    }
    if (SelectedNow(q)) {
        paints.push_back({Kind::kFrame, r, kSelectedItemFrame});
        if (current) paints.push_back({Kind::kFrame, Inset(r, 1), kCurrentItemFrame});
        return paints;
    }
    if (Deselected(q)) {
        paints.push_back({Kind::kFill, r, buttonFace});
        paints.push_back({Kind::kFill, LineBar(r, width), kBlack});
        if (current) paints.push_back({Kind::kFrame, Inset(r, 1), kCurrentItemFrame});
    }
    return paints;
}

}  // namespace halvertone
