#include "annotation/toolbar_icons.h"

namespace halvertone {
namespace {

constexpr const char* kKeys[kToolbarIconCount] = {
    "Mouse",         "Pen",          "Eraser",       "PenWidth", "PenColor", "CleanScreen",
    "ScreenCapture", "RedrawScreen", "SoftKeyboard", "LeftSide", "RightSide"};

int64_t Area(int32_t width, int32_t height) {
    return static_cast<int64_t>(width) * height;
}

// Both areas lie within +-2^62, so neither the difference nor its magnitude overflows.
int64_t Distance(int64_t a, int64_t b) {
    const int64_t d = a - b;
    return d < 0 ? -d : d;
}

}  // namespace

const char* ToolbarIconKey(ToolbarIcon icon) {
    return icon < kToolbarIconCount ? kKeys[icon] : "";
}

std::string ToolbarIconSet::IconPath(const std::string& programDirectory, ToolbarIcon icon) const {
    if (icon >= kToolbarIconCount || files[icon].empty()) return {};
    return programDirectory + directory + "\\" + files[icon];
}

std::string ChooseScreenType(ProfileStore& ini, int32_t screenWidth, int32_t screenHeight) {
    const int64_t screenArea = Area(screenWidth, screenHeight);
    std::string nearest;
    int64_t nearestDistance = kScreenTypeAreaLimit;
    // The walk ends at the first missing or empty key; the counter cannot run past it.
    for (int32_t key = 1; key > 0; ++key) {
        const std::string section =
            ini.GetString("Screen Type", std::to_string(key), "", kIconInfoChars);
        if (section.empty()) break;
        const int32_t width = ini.GetInt(section, "Width", 0);
        const int32_t height = ini.GetInt(section, "Height", 0);
        if (width == screenWidth && height == screenHeight) return section;
        const int64_t distance = Distance(screenArea, Area(width, height));
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = section;
        }
    }
    return nearest;
}

ToolbarIconSet ReadToolbarIcons(ProfileStore& ini, int32_t screenWidth, int32_t screenHeight) {
    ToolbarIconSet set;
    set.section = ChooseScreenType(ini, screenWidth, screenHeight);
    // With no section every read below gives its default, as an empty section name does.
    if (set.section.empty()) return set;
    set.directory = ini.GetString(set.section, "Directory", "", kIconInfoChars);
    for (size_t i = 0; i < kToolbarIconCount; ++i)
        set.files[i] = ini.GetString(set.section, kKeys[i], "", kIconInfoChars);
    set.positionIconSize = ini.GetInt(set.section, "Position_Icon_Size_Width", 16);
    set.otherIconWidth = ini.GetInt(set.section, "Other_Icon_Size_Width", 32);
    set.otherIconHeight = ini.GetInt(set.section, "Other_Icon_Size_Height", 32);
    return set;
}

}  // namespace halvertone
