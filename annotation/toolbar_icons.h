#pragma once
// "IcoInfo.ini": which icon set fits the screen, and where its eleven icons and their sizes
// are. Every value is read into a 200-character buffer.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/profile_store.h"

namespace halvertone {

inline constexpr char kIconInfoFileName[] = "IcoInfo.ini";
inline constexpr size_t kIconInfoChars = 200;
// A section further than this (in screen area) from the screen is no candidate.
inline constexpr int64_t kScreenTypeAreaLimit = 1000000;

enum ToolbarIcon : size_t {
    kIconMouse,
    kIconPen,
    kIconEraser,
    kIconPenWidth,
    kIconPenColor,
    kIconCleanScreen,
    kIconScreenCapture,
    kIconRedrawScreen,
    kIconSoftKeyboard,
    kIconLeftSide,
    kIconRightSide,
    kToolbarIconCount
};

// The key naming the icon's file in a screen-type section.
const char* ToolbarIconKey(ToolbarIcon icon);

struct ToolbarIconSet {
    std::string section;    // empty: no screen type fits, every value is its default
    std::string directory;  // relative to the program directory
    std::array<std::string, kToolbarIconCount> files;
    int32_t positionIconSize = 16;  // the side button's icon, square
    int32_t otherIconWidth = 32;
    int32_t otherIconHeight = 32;

    // programDirectory + directory + "\" + file; empty when the set names no file.
    std::string IconPath(const std::string& programDirectory, ToolbarIcon icon) const;
};

// The screen-type section for a screen: the first exact size match in key order, else the
// nearest in area when under kScreenTypeAreaLimit (the earlier key on a tie), else "".
std::string ChooseScreenType(ProfileStore& iconInfo, int32_t screenWidth, int32_t screenHeight);

// The icon set of the chosen section.
ToolbarIconSet ReadToolbarIcons(ProfileStore& iconInfo, int32_t screenWidth, int32_t screenHeight);

}  // namespace halvertone
