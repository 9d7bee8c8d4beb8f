#pragma once
// A person holding the pen: taps, holds and strokes at a human pace, through the live pen the
// virtual webcam renders.
#include <windows.h>

#include <vector>

#include "tools/win32/virtual_webcam/live_pen.h"

namespace halvertone::lesson {

class VirtualUser {
  public:
    explicit VirtualUser(LivePenMapping& pen) : pen_(pen) {}

    void Lift();
    // Light on at p for `holdMs`, then off and a short rest.
    void Tap(POINT p, int holdMs = 350);
    void Hold(POINT p, int ms);
    // Pen down at the first point, slides through the others (about `pixelsPerStep` every
    // 15 ms), lifted at the end.
    void Stroke(const std::vector<POINT>& path, int pixelsPerStep = 5);
    static void Rest(int ms) { Sleep(static_cast<DWORD>(ms)); }

  private:
    LivePenMapping& pen_;
    POINT last_{};
};

}  // namespace halvertone::lesson
