#pragma once
// The toolbar's pen settings as they are written back to "Setting.ini".
#include <cstdint>

#include "platform/profile_store.h"

namespace halvertone {

struct PenSettings {
    uint32_t color = 0xFF0000;
    int32_t width = 3;
    bool highlighter = false;
};

// Does nothing unless the settings file was found at start-up; otherwise writes "Pen Color",
// "Pen Width", "Transparency" (1/0) and "Flip" (1 when non-zero, else 0) as decimal text.
void SavePenSettings(ProfileStore& ini, bool settingsFileFound, const PenSettings& pen,
                     int32_t flip);

}  // namespace halvertone
