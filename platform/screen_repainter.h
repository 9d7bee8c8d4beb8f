#pragma once
// Repaints the whole desktop: every window is invalidated (optionally with erasing its
// background) and updated at once.
namespace halvertone {

class ScreenRepainter {
  public:
    virtual ~ScreenRepainter() = default;
    virtual void RepaintAll(bool erase) = 0;
};

}  // namespace halvertone
