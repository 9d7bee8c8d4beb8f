#pragma once
// What the pen colour and line menus hold: sixteen preset colours, five preset widths, the
// command ids around them, and which item counts as the current one for a colour or width.
#include <array>
#include <cstdint>
#include <optional>

namespace halvertone {

namespace pen_menu {
inline constexpr int kFirstColourId = 106;
inline constexpr int kFirstWidthId = 122;
inline constexpr int kHighlighterId = 32793;
inline constexpr int kCustomColourId = 32795;
inline constexpr int kCustomLineId = 32796;
// Current line item while the width has no bar: before and after a custom choice.
inline constexpr int kNoBarAtStart = 128;
inline constexpr int kNoBarAfterCustom = 129;

// GDI colours 0x00BBGGRR, in menu order from id 106.
inline constexpr std::array<uint32_t, 16> kColours{
    0x000000, 0x808080, 0x000080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080,
    0xFFFFFF, 0xC0C0C0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF};
// Pixels, in menu order from id 122.
inline constexpr std::array<int32_t, 5> kWidths{3, 4, 5, 6, 7};

inline constexpr int kLastColourId = kFirstColourId + static_cast<int>(kColours.size()) - 1;
inline constexpr int kLastWidthId = kFirstWidthId + static_cast<int>(kWidths.size()) - 1;

// Owner-drawn items of both menus are this size in pixels.
inline constexpr int kItemWidth = 110;
inline constexpr int kItemHeight = 15;
}  // namespace pen_menu

// The preset colour of a colour item id; none for any other id.
std::optional<uint32_t> PresetColour(int id);
// The preset width of a line item id; none for any other id.
std::optional<int32_t> PresetWidth(int id);

// The first preset (in menu order) holding `colour`, else the custom colour id.
int ColourItemFor(uint32_t colour);
// The bar of `width` (3 to 7); any other width marks no bar and gives `noBarId`.
int LineItemFor(int32_t width, int noBarId);

}  // namespace halvertone
