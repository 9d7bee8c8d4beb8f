#pragma once
// The drawing context of the whole screen that the live stroke draws on. The pen mode takes it
// at pen-down and gives it back at pen-up; a full redraw takes it away in between (releasing it
// properly, highlighter pen included), and the pen mode, finding it gone, begins a new stroke.
// Live pieces and redraws never overlap: both run under the context's lock.
#include <memory>
#include <mutex>

#include "annotation/ink_canvas.h"

namespace halvertone {

class ScreenContext {
  public:
    explicit ScreenContext(InkCanvas& canvas) : canvas_(canvas) {}
    ~ScreenContext() { Release(); }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;

    // Takes the screen unless it is held already. For a highlighter stroke a pen of the
    // stroke's colour and width and the mask-pen operation are selected into it, so that the
    // stroke library's pieces tint the screen. Returns whether the screen is held afterwards.
    bool Acquire(bool highlighter, const InkPen& pen);
    // Puts back what Acquire selected and releases the screen; nothing when none is held.
    void Release();
    bool Held() const;

    // Runs f(InkSurface&) on the held screen. False, and f not run, when none is held: a live
    // piece drawn then is lost from the screen but not from the record.
    template <typename F>
    bool Draw(F&& f) {
        std::lock_guard lock(mutex_);
        if (!surface_) return false;
        f(*surface_);
        return true;
    }

    // A full redraw: releases the live context, then runs f(InkCanvas&, InkSurface&) on a
    // screen context of its own, released afterwards. False when the screen could not be had.
    template <typename F>
    bool Redraw(F&& f) {
        std::lock_guard lock(mutex_);
        ReleaseLocked();
        std::unique_ptr<InkSurface> screen = canvas_.OpenScreen();
        if (!screen) return false;
        f(canvas_, *screen);
        return true;
    }

  private:
    void ReleaseLocked();

    InkCanvas& canvas_;
    mutable std::mutex mutex_;
    std::unique_ptr<InkSurface> surface_;
    bool highlighterSetUp_ = false;
    RasterOp savedRasterOp_ = RasterOp::kCopyPen;
};

}  // namespace halvertone
