#include "annotation/win32/gdi_ink_surface.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/win32/gdiplus_headers.h"
#include "platform/win32/gdiplus_session.h"

namespace halvertone::win32 {
namespace {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

// GetDCEx flags of the screen context: the desktop's window DC, clipped as the window's class
// styles ask (0x10000), so that it reaches over every window on the desktop.
constexpr DWORD kScreenDcFlags = DCX_WINDOW | 0x10000;

enum class Piece { kBeziers, kCardinal, kTaut };

// A point count the drawing calls take; no stroke comes near the limit.
int CountOf(size_t n) {
    return static_cast<int>(std::min<size_t>(n, INT_MAX));
}

void DrawPiece(HDC dc, std::span<const PixelPoint> points, const InkPen& pen, Piece piece) {
    if (points.empty() || !EnsureGdiplus()) return;
    std::vector<gp::Point> pts;
    pts.reserve(points.size());
    for (const PixelPoint& p : points) pts.emplace_back(p.x, p.y);
    const int n = CountOf(pts.size());

    // Failed calls leave the screen as it is; the stroke stays in the record all the same.
    gp::GpGraphics* graphics = nullptr;
    if (flat::GdipCreateFromHDC(dc, &graphics) != gp::Ok) return;
    gp::GpPen* gpen = nullptr;
    if (flat::GdipCreatePen1(ArgbFromColour(pen.colour), static_cast<gp::REAL>(pen.width),
                             gp::UnitWorld, &gpen) == gp::Ok) {
        flat::GdipSetSmoothingMode(graphics, gp::SmoothingModeAntiAlias);
        flat::GdipSetPenLineJoin(gpen, gp::LineJoinRound);
        flat::GdipSetPenStartCap(gpen, gp::LineCapRound);
        flat::GdipSetPenEndCap(gpen, gp::LineCapRound);
        switch (piece) {
            case Piece::kBeziers:
                flat::GdipDrawBeziersI(graphics, gpen, pts.data(), n);
                break;
            case Piece::kCardinal:
                flat::GdipDrawCurveI(graphics, gpen, pts.data(), n);
                break;
            case Piece::kTaut:
                flat::GdipDrawCurve2I(graphics, gpen, pts.data(), n, 0.0f);
                break;
        }
        flat::GdipDeletePen(gpen);
    }
    flat::GdipDeleteGraphics(graphics);
}

}  // namespace

std::unique_ptr<GdiInkSurface> GdiInkSurface::OpenScreen(const StrokeKitCalls& kit) {
    HDC dc = GetDCEx(nullptr, nullptr, kScreenDcFlags);
    if (dc == nullptr) return nullptr;
    return std::unique_ptr<GdiInkSurface>(new GdiInkSurface(dc, kit, true));
}

GdiInkSurface::~GdiInkSurface() {
    RestorePen();
    if (screen_) ReleaseDC(nullptr, dc_);
}

void GdiInkSurface::DrawBeziers(std::span<const PixelPoint> points, const InkPen& pen) {
    DrawPiece(dc_, points, pen, Piece::kBeziers);
}

void GdiInkSurface::DrawCardinalCurve(std::span<const PixelPoint> points, const InkPen& pen) {
    DrawPiece(dc_, points, pen, Piece::kCardinal);
}

void GdiInkSurface::DrawTautCurve(std::span<const PixelPoint> points, const InkPen& pen) {
    DrawPiece(dc_, points, pen, Piece::kTaut);
}

void GdiInkSurface::UsePen(const InkPen& pen) {
    RestorePen();  // never two at once: the first would be lost
    pen_ = CreatePen(PS_SOLID, pen.width, pen.colour);
    if (pen_ != nullptr) previousPen_ = SelectObject(dc_, pen_);
}

void GdiInkSurface::RestorePen() {
    if (pen_ == nullptr) return;
    SelectObject(dc_, previousPen_);
    DeleteObject(pen_);
    pen_ = nullptr;
    previousPen_ = nullptr;
}

RasterOp GdiInkSurface::SetRasterOp(RasterOp op) {
    return static_cast<RasterOp>(SetROP2(dc_, static_cast<int>(op)));
}

void GdiInkSurface::StrokeSegment(const PixelPoint& from, PixelPoint& to) {
    POINT start{from.x, from.y};
    POINT end{to.x, to.y};
    kit_.StrokeSegment(dc_, &start, &end);
    to = {end.x, end.y};
}

void GdiInkSurface::StrokePolyline(std::span<const PixelPoint> points) {
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (const PixelPoint& p : points) pts.push_back({p.x, p.y});
    kit_.StrokePolyline(dc_, pts.data(), CountOf(pts.size()));
}

}  // namespace halvertone::win32
