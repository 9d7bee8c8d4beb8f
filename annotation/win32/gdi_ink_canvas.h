#pragma once
// The ink drawn straight onto the screen with GDI and GDI+, and the redraw composed in memory
// contexts over copies of the display.
#include <memory>

#include "base/screen_metrics.h"
#include "annotation/ink_canvas.h"
#include "platform/win32/stroke_kit_calls.h"

namespace halvertone::win32 {

class GdiInkCanvas final : public InkCanvas {
  public:
    // `strokeKit` is the stroke library's function table, or null without the library.
    // The screen size is read from `metrics` at every redraw.
    explicit GdiInkCanvas(const ScreenMetrics& metrics, kits::KitFunction* strokeKit = nullptr);

    std::unique_ptr<InkSurface> OpenScreen() override;
    // `screen` must be a surface this canvas opened; null otherwise.
    std::unique_ptr<InkComposition> Compose(InkSurface& screen) override;

  private:
    const ScreenMetrics& metrics_;
    StrokeKitCalls kit_;
};

}  // namespace halvertone::win32
