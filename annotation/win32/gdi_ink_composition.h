#pragma once
// A full redraw's off-screen work: a canvas and a background, memory contexts compatible
// with the screen context, each holding its own copy of the display.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "annotation/ink_canvas.h"
#include "annotation/win32/gdi_ink_surface.h"

namespace halvertone::win32 {

class GdiInkComposition final : public InkComposition {
  public:
    // Null when a context or a copy of the display could not be made; nothing is left behind.
    static std::unique_ptr<GdiInkComposition> Create(HDC screen, int32_t width, int32_t height,
                                                     const StrokeKitCalls& kit);
    // Reselects what the contexts held before, then deletes the copies and the contexts.
    ~GdiInkComposition() override;
    GdiInkComposition(const GdiInkComposition&) = delete;
    GdiInkComposition& operator=(const GdiInkComposition&) = delete;

    InkSurface& Canvas() override { return *canvasSurface_; }
    void RestoreSquare(PixelPoint topLeft, int32_t side) override;
    void Present() override;

  private:
    // A memory context with a copy of the display selected into it.
    struct Snapshot {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ previous = nullptr;
        bool Make(HDC screen, int32_t width, int32_t height);
        void Free();
    };

    GdiInkComposition(HDC screen, int32_t width, int32_t height)
        : screen_(screen), width_(width), height_(height) {}

    HDC screen_;
    int32_t width_;
    int32_t height_;
    Snapshot canvas_;
    Snapshot background_;
    // Declared last: gone (its pen put back) before the contexts are deleted.
    std::optional<GdiInkSurface> canvasSurface_;
};

}  // namespace halvertone::win32
