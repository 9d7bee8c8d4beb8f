#pragma once
// Where the toolbar's buttons go and how big its window is, from the dialog base units and the
// icon sizes of the chosen set; and where the docked window goes on the work area.
#include <array>
#include <cstdint>
#include <optional>

#include "annotation/toolbar_icons.h"
#include "base/pixel_rect.h"

namespace halvertone {

// Button ids of the toolbar, top to bottom.
namespace toolbar_button {
inline constexpr int kSide = 1085;
inline constexpr int kMouse = 1086;
inline constexpr int kPen = 1087;
inline constexpr int kEraser = 1088;
inline constexpr int kPenWidth = 1078;
inline constexpr int kPenColor = 1079;
inline constexpr int kCleanScreen = 1080;
inline constexpr int kScreenCapture = 1081;
inline constexpr int kRedrawScreen = 1082;
inline constexpr int kSoftKeyboard = 1083;
inline constexpr int kBoard = 1090;
}  // namespace toolbar_button

// The stacked buttons below the side button, in layout order.
inline constexpr std::array<int, 10> kToolbarStack = {
    toolbar_button::kMouse,         toolbar_button::kPen,          toolbar_button::kEraser,
    toolbar_button::kPenWidth,      toolbar_button::kPenColor,     toolbar_button::kCleanScreen,
    toolbar_button::kScreenCapture, toolbar_button::kRedrawScreen, toolbar_button::kSoftKeyboard,
    toolbar_button::kBoard};

// The icon of each stacked button (the board button has none).
inline constexpr std::array<ToolbarIcon, 10> kToolbarStackIcons = {
    kIconMouse,       kIconPen,           kIconEraser,       kIconPenWidth,     kIconPenColor,
    kIconCleanScreen, kIconScreenCapture, kIconRedrawScreen, kIconSoftKeyboard, kToolbarIconCount};

// Icon sizes outside this range (a damaged "IcoInfo.ini") are pulled into it.
inline constexpr int32_t kMaxToolbarIconSize = 256;

struct ToolbarLayout {
    PixelRect side;                     // client coordinates
    std::array<PixelRect, 10> stack{};  // kToolbarStack order, client coordinates
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;  // reaches half a vertical base unit below the board button
    // How far the window's bottom moves up to leave the board button out.
    int32_t boardTrim = 0;
};

// `baseUnitX`, `baseUnitY`: the dialog base units the system reports.
ToolbarLayout LayOutToolbar(int32_t baseUnitX, int32_t baseUnitY, const ToolbarIconSet& icons);

// The docked window rectangle: `window` (screen pixels) shortened at the bottom by `trim`, at
// the left (side 0) or right (side 1) edge of `workArea`, centred vertically on the work
// area's height counted from the top of the screen. No value for any other side.
std::optional<PixelRect> DockToolbar(const PixelRect& window, const PixelRect& workArea,
                                     int32_t side, int32_t trim);

}  // namespace halvertone
