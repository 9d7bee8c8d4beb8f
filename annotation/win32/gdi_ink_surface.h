#pragma once
// A drawing surface on a GDI device context: the anti-aliased pieces through GDI+ (a pen and
// a graphics object made for each call, so nothing is held between calls), the highlighter's
// pieces through the stroke library with the selected GDI pen and mix mode.
#include <windows.h>

#include <memory>

#include "annotation/ink_canvas.h"
#include "platform/win32/stroke_kit_calls.h"

namespace halvertone::win32 {

class GdiInkSurface final : public InkSurface {
  public:
    // A surface on `dc`, which stays the caller's.
    GdiInkSurface(HDC dc, const StrokeKitCalls& kit) : GdiInkSurface(dc, kit, false) {}
    // The drawing context of the whole screen (window DC of the desktop, no clip region),
    // released when the surface goes. Null when the system gives none.
    static std::unique_ptr<GdiInkSurface> OpenScreen(const StrokeKitCalls& kit);

    // Puts back a pen still selected, then releases the screen's context.
    ~GdiInkSurface() override;
    GdiInkSurface(const GdiInkSurface&) = delete;
    GdiInkSurface& operator=(const GdiInkSurface&) = delete;

    HDC Dc() const { return dc_; }

    void DrawBeziers(std::span<const PixelPoint> points, const InkPen& pen) override;
    void DrawCardinalCurve(std::span<const PixelPoint> points, const InkPen& pen) override;
    void DrawTautCurve(std::span<const PixelPoint> points, const InkPen& pen) override;
    void UsePen(const InkPen& pen) override;
    void RestorePen() override;
    RasterOp SetRasterOp(RasterOp op) override;
    void StrokeSegment(const PixelPoint& from, PixelPoint& to) override;
    void StrokePolyline(std::span<const PixelPoint> points) override;

  private:
    GdiInkSurface(HDC dc, const StrokeKitCalls& kit, bool screen)
        : dc_(dc), kit_(kit), screen_(screen) {}

    HDC dc_;
    StrokeKitCalls kit_;
    bool screen_;
    HPEN pen_ = nullptr;
    HGDIOBJ previousPen_ = nullptr;
};

}  // namespace halvertone::win32
