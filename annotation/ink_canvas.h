#pragma once
// The drawing port of the ink: the screen the strokes are painted on, and the off-screen
// composition a full redraw builds before putting it on the screen in one copy.
//
// Two kinds of drawing meet on a surface. The anti-aliased pieces (Bezier pieces and curves)
// are drawn with a pen made for the one call and ignore the raster operation. The stroke
// library's segment and polyline draw with the GDI pen selected into the surface and combine
// with the pixels under them through its raster operation; highlighter strokes select a pen of
// their colour and width and the mask-pen operation, so light colours tint what is underneath.
#include <cstdint>
#include <memory>
#include <span>

#include "base/pixel_rect.h"

namespace halvertone {

struct InkPen {
    uint32_t colour = 0;  // GDI colour 0x00BBGGRR
    int32_t width = 1;    // pixels
    friend bool operator==(const InkPen&, const InkPen&) = default;
};

// The opaque ARGB value anti-aliased drawing uses for a GDI colour.
constexpr uint32_t ArgbFromColour(uint32_t colour) {
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

enum class RasterOp : int32_t {
    kMaskPen = 9,   // pixel AND pen colour
    kCopyPen = 13,  // pen colour
};

// One device context: the screen, or the canvas of a composition.
class InkSurface {
  public:
    virtual ~InkSurface() = default;

    // Cubic Bezier pieces, anti-aliased with round joins and caps. `points` is passed as it
    // is; only counts of the form 3k + 1 (k >= 1) draw anything.
    virtual void DrawBeziers(std::span<const PixelPoint> points, const InkPen& pen) = 0;
    // A cardinal spline through the points with the default tension (0.5).
    virtual void DrawCardinalCurve(std::span<const PixelPoint> points, const InkPen& pen) = 0;
    // A curve through the points with tension 0: straight pieces between them.
    virtual void DrawTautCurve(std::span<const PixelPoint> points, const InkPen& pen) = 0;

    // A solid GDI pen selected for the stroke library; RestorePen reselects the pen it
    // replaced and deletes it. Calls pair up; a second select without a restore is not made.
    virtual void UsePen(const InkPen& pen) = 0;
    virtual void RestorePen() = 0;
    // Returns the operation it replaced.
    virtual RasterOp SetRasterOp(RasterOp op) = 0;

    // The stroke library: a segment from `from` to `to`, which may move `to`; a polyline.
    virtual void StrokeSegment(const PixelPoint& from, PixelPoint& to) = 0;
    virtual void StrokePolyline(std::span<const PixelPoint> points) = 0;
};

// A redraw in progress: a canvas and a background, both holding the display as it was when
// the composition began. Destroying it frees both.
class InkComposition {
  public:
    virtual ~InkComposition() = default;
    virtual InkSurface& Canvas() = 0;
    // Copies the side x side square at `topLeft` from the background to the same place on the
    // canvas, removing whatever was drawn on the canvas there.
    virtual void RestoreSquare(PixelPoint topLeft, int32_t side) = 0;
    // Copies the whole canvas onto the screen it was composed for.
    virtual void Present() = 0;
};

class InkCanvas {
  public:
    virtual ~InkCanvas() = default;
    // A drawing context of the whole screen; released when the pointer goes. Null on failure.
    virtual std::unique_ptr<InkSurface> OpenScreen() = 0;
    // Two snapshots of the display for a redraw onto `screen`. Null on failure.
    virtual std::unique_ptr<InkComposition> Compose(InkSurface& screen) = 0;
};

}  // namespace halvertone
