#include "doubles/ink_raster.h"

#include <algorithm>
#include <cmath>

namespace halvertone::sim {
namespace {

constexpr int32_t kMaxBrushWidth = 256;

PointF ToF(PixelPoint p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

double Distance(PointF a, PointF b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Pixel positions far outside any picture are cut to a range where int conversion is safe.
int32_t ToPixel(double v) {
    if (!(v > -1e6)) return -1000000;  // also NaN
    if (v > 1e6) return 1000000;
    return static_cast<int32_t>(std::lround(v));
}

void Plot(PixelImage& image, int32_t x, int32_t y, const Brush& brush) {
    if (!image.Contains(x, y)) return;
    uint32_t& px = image.Ref(x, y);
    px = brush.op == RasterOp::kMaskPen ? (px & brush.colour) : brush.colour;
}

}  // namespace

void StampBrush(PixelImage& image, PointF centre, const Brush& brush) {
    const int32_t cx = ToPixel(centre.x);
    const int32_t cy = ToPixel(centre.y);
    if (brush.width <= 1) {
        Plot(image, cx, cy, brush);
        return;
    }
    const int32_t width = std::min(brush.width, kMaxBrushWidth);
    const int32_t r = width / 2;
    const double r2 = (width / 2.0) * (width / 2.0);
    for (int32_t dy = -r; dy <= r; ++dy)
        for (int32_t dx = -r; dx <= r; ++dx)
            if (dx * dx + dy * dy <= r2) Plot(image, cx + dx, cy + dy, brush);
}

void RasterLine(PixelImage& image, PointF a, PointF b, const Brush& brush) {
    const double steps = std::ceil(std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y)));
    const int32_t n = steps > 4096 ? 4096 : static_cast<int32_t>(steps);
    for (int32_t i = 0; i <= n; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / n;
        StampBrush(image, {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}, brush);
    }
}

void RasterCubic(PixelImage& image, PointF p0, PointF p1, PointF p2, PointF p3,
                 const Brush& brush) {
    const double length = Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3);
    const int32_t n = std::clamp(static_cast<int32_t>(std::ceil(length)), 1, 4096);
    // The curve is no longer than its control polygon, so n samples are at most a pixel apart.
    StampBrush(image, p0, brush);
    for (int32_t i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        StampBrush(
            image,
            {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y},
            brush);
    }
}

void RasterBeziers(PixelImage& image, std::span<const PixelPoint> points, const Brush& brush) {
    if (points.size() < 4 || (points.size() - 1) % 3 != 0) return;
    for (size_t i = 0; i + 3 < points.size(); i += 3)
        RasterCubic(image, ToF(points[i]), ToF(points[i + 1]), ToF(points[i + 2]),
                    ToF(points[i + 3]), brush);
}

void RasterCardinal(PixelImage& image, std::span<const PixelPoint> points, double tension,
                    const Brush& brush) {
    const size_t n = points.size();
    if (n < 2) return;
    // Each span becomes a cubic piece whose control points follow the neighbours' chord.
    const double k = tension / 3.0;
    for (size_t i = 0; i + 1 < n; ++i) {
        const PointF p0 = ToF(points[i == 0 ? 0 : i - 1]);
        const PointF p1 = ToF(points[i]);
        const PointF p2 = ToF(points[i + 1]);
        const PointF p3 = ToF(points[i + 2 < n ? i + 2 : n - 1]);
        RasterCubic(image, p1, {p1.x + k * (p2.x - p0.x), p1.y + k * (p2.y - p0.y)},
                    {p2.x - k * (p3.x - p1.x), p2.y - k * (p3.y - p1.y)}, p2, brush);
    }
}

void RasterPolyline(PixelImage& image, std::span<const PixelPoint> points, const Brush& brush) {
    for (size_t i = 0; i + 1 < points.size(); ++i)
        RasterLine(image, ToF(points[i]), ToF(points[i + 1]), brush);
}

}  // namespace halvertone::sim
