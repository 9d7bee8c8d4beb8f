#pragma once
// Reading an open popup menu off the screen, as a person does: another process's menu cannot
// be asked for its items, so the items are found by what they look like.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/screen_shot.h"

namespace halvertone::lesson {

class MenuReader {
  public:
    // Reads the visible popup menu; Valid() is false when none is open.
    MenuReader();
    bool Valid() const { return valid_; }

    // Centre of the n-th group of items between separators (0 = the top one; -1 = the last).
    bool GroupCentre(int n, POINT& centre) const;
    // Centre of the swatch filled with `colour` (0x00BBGGRR).
    bool SwatchCentre(uint32_t colour, POINT& centre) const;
    // Centre of the black bar exactly `thickness` pixels high.
    bool BarCentre(int thickness, POINT& centre) const;

  private:
    struct Run {
        int top;
        int bottom;  // exclusive
    };
    std::vector<Run> Groups() const;

    bool valid_ = false;
    win32::ScreenShot shot_;
    uint32_t background_ = 0;
};

}  // namespace halvertone::lesson
