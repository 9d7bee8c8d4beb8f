#pragma once
// The eraser square for tests and replays. It keeps where the square is and how often it was
// made, shown and repainted. Given a simulated screen it also acts out what the real square
// does to the ink: while shown it covers its place in light green, and whatever it uncovers
// (moving on, or going away) is repainted by the desktop underneath, ink and all.
#include <cstdint>
#include <mutex>

#include "annotation/eraser_window.h"
#include "doubles/sim_ink_canvas.h"

namespace halvertone::sim {

struct SimEraserCounts {
    int32_t created = 0;
    int32_t destroyed = 0;
    int32_t moved = 0;
    int32_t shown = 0;
    int32_t repainted = 0;
};

class SimEraserWindow final : public EraserWindow {
  public:
    // `screen` may be null: then only the state is kept.
    explicit SimEraserWindow(SimInkCanvas* screen = nullptr, uint32_t desktop = 0x00FFFFFF)
        : screen_(screen), desktop_(desktop) {}

    bool CreateEraserWindow(int32_t widthSetting) override;
    void MoveTo(PixelPoint topLeft) override;
    void Show() override;
    void Repaint() override;
    bool Exists() const override;
    void Destroy() override;

    // Where the square is (empty when there is none), and whether it is shown.
    PixelRect Rect() const;
    bool Visible() const;
    SimEraserCounts Counts() const;

  private:
    void PaintSquare();    // with the lock held
    void UncoverSquare();  // with the lock held

    SimInkCanvas* screen_;
    uint32_t desktop_;
    mutable std::mutex mutex_;
    bool exists_ = false;
    bool visible_ = false;
    PixelRect rect_;
    SimEraserCounts counts_;
};

}  // namespace halvertone::sim
