#pragma once
// Enough rasterising for the simulated canvas to show where strokes land: pieces are drawn
// with a round brush of the pen's width, without anti-aliasing. A brush either copies its
// colour or, for the mask-pen operation, ANDs it with the pixel underneath.
#include <cstdint>
#include <span>

#include "base/pixel_rect.h"
#include "annotation/ink_canvas.h"
#include "simulator/pixel_image.h"

namespace halvertone::sim {

struct Brush {
    uint32_t colour = 0;
    int32_t width = 1;
    RasterOp op = RasterOp::kCopyPen;
};

struct PointF {
    double x = 0;
    double y = 0;
};

void StampBrush(PixelImage& image, PointF centre, const Brush& brush);
void RasterLine(PixelImage& image, PointF a, PointF b, const Brush& brush);
// One cubic piece from p0 to p3 with control points p1 and p2.
void RasterCubic(PixelImage& image, PointF p0, PointF p1, PointF p2, PointF p3, const Brush& brush);
// Bezier pieces sharing end points; nothing unless the count is 3k + 1 with k >= 1.
void RasterBeziers(PixelImage& image, std::span<const PixelPoint> points, const Brush& brush);
// A cardinal spline with the given tension (0: straight pieces); nothing below two points.
void RasterCardinal(PixelImage& image, std::span<const PixelPoint> points, double tension,
                    const Brush& brush);
void RasterPolyline(PixelImage& image, std::span<const PixelPoint> points, const Brush& brush);

}  // namespace halvertone::sim
