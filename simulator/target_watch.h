#pragma once
// What a person in front of the screen sees of the calibration: the target to point at now
// (the one drawn red on green). The program feeds it where it paints the targets; the
// synthetic camera's calibrating user reads it from the camera thread.
#include <cstdint>
#include <mutex>
#include <span>

#include "calibration/target_painter.h"
#include "platform/screen_repainter.h"

namespace halvertone::sim {

struct TargetSighting {
    bool shown = false;  // a current target is on the screen
    PixelPoint cross;    // where its two lines cross, screen pixels
    // Rises whenever the current target appears somewhere else or goes away, so a watcher can
    // tell "the same target still" from "a new one" even when it stands where an earlier one
    // stood (a restart begins again at the top left).
    uint64_t serial = 0;
    friend bool operator==(const TargetSighting&, const TargetSighting&) = default;
};

class TargetWatch {
  public:
    // One painting of the targets: the last current-style shape is the target to point at.
    void See(std::span<const TargetShape> shapes);
    // The screen was repainted without targets (a run ended or stopped).
    void Wiped();
    TargetSighting Now() const;

  private:
    void Update(bool shown, PixelPoint cross);

    mutable std::mutex mutex_;
    TargetSighting now_;
};

// Paints through `screen` and tells `watch` what is now on it.
class WatchedTargetPainter final : public TargetPainter {
  public:
    WatchedTargetPainter(TargetPainter& screen, TargetWatch& watch)
        : screen_(screen), watch_(watch) {}
    void Paint(std::span<const TargetShape> shapes) override {
        screen_.Paint(shapes);
        watch_.See(shapes);
    }

  private:
    TargetPainter& screen_;
    TargetWatch& watch_;
};

// Repaints through `screen`; the targets drawn straight on the screen are gone afterwards.
class WatchedRepainter final : public ScreenRepainter {
  public:
    WatchedRepainter(ScreenRepainter& screen, TargetWatch& watch)
        : screen_(screen), watch_(watch) {}
    void RepaintAll(bool erase) override {
        screen_.RepaintAll(erase);
        watch_.Wiped();
    }

  private:
    ScreenRepainter& screen_;
    TargetWatch& watch_;
};

}  // namespace halvertone::sim
