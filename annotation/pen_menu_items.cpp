#include "annotation/pen_menu_items.h"

namespace halvertone {

using namespace pen_menu;

std::optional<uint32_t> PresetColour(int id) {
    if (id < kFirstColourId || id > kLastColourId) return std::nullopt;
    return kColours[static_cast<size_t>(id - kFirstColourId)];
}

std::optional<int32_t> PresetWidth(int id) {
    if (id < kFirstWidthId || id > kLastWidthId) return std::nullopt;
    return kWidths[static_cast<size_t>(id - kFirstWidthId)];
}

int ColourItemFor(uint32_t colour) {
    for (size_t i = 0; i < kColours.size(); ++i)
        if (kColours[i] == colour) return kFirstColourId + static_cast<int>(i);
    return kCustomColourId;
}

int LineItemFor(int32_t width, int noBarId) {
    // Widths 1 and 2 (possible from the settings) would land on colour ids: no bar for them.
    if (width < kWidths.front() || width > kWidths.back()) return noBarId;
    return kFirstWidthId + (width - kWidths.front());
}

}  // namespace halvertone
