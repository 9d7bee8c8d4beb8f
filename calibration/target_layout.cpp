#include "calibration/target_layout.h"

namespace halvertone {
namespace {

TargetShape Square(const TargetGeometry& g, PixelPoint o, int32_t crossX, TargetStyle style) {
    const int32_t s = g.size;
    TargetShape shape;
    shape.square = {o.x, o.y, o.x + s + 1, o.y + s + 1};
    shape.horizontal = {{o.x, o.y + s / 2}, {o.x + s, o.y + s / 2}};
    shape.vertical = {{crossX, o.y}, {crossX, o.y + s}};
    if (style == TargetStyle::kCurrent) {
        shape.penColor = kRed;
        shape.fillColor = kGreen;
    }
    return shape;
}

}  // namespace

PixelPoint MainTargetOrigin(const TargetGeometry& g, int i, int j) {
    const int32_t s = g.size;
    const int32_t dX = (g.screenWidth - 2 * g.shiftX - 3 * s) / 2;
    const int32_t dY = (g.screenHeight - 2 * g.shiftY - 3 * s) / 2;
    return {g.shiftX + j * (dX + s), g.shiftY + i * (dY + s)};
}

PixelPoint InnerTargetOrigin(const TargetGeometry& g, int a, int b) {
    const int32_t s = g.size;
    const int32_t cW = (g.screenWidth - 4 * s - 2 * g.shiftX) / 4;
    const int32_t cH = (g.screenHeight - 2 * g.shiftY - 4 * s) / 4;
    return {(2 * b + 1) * (cW + s / 2) + b * (2 * (s / 2) + 1) + g.shiftX + 1,
            (2 * a + 1) * (cH + s / 2) + a * (2 * (s / 2) + 1) + g.shiftY + 1};
}

TargetShape MainTarget(const TargetGeometry& g, int i, int j, TargetStyle style) {
    const PixelPoint o = MainTargetOrigin(g, i, j);
    return Square(g, o, o.x + g.size / 2 + 1, style);
}

// The inner squares already start one pixel further right and down, so their vertical line
// sits one pixel nearer the left than a main target's.
TargetShape InnerTarget(const TargetGeometry& g, int a, int b, TargetStyle style) {
    const PixelPoint o = InnerTargetOrigin(g, a, b);
    return Square(g, o, o.x + g.size / 2, style);
}

std::vector<TargetShape> TargetsToDraw(const TargetGeometry& g, const TargetProgress& progress) {
    std::vector<TargetShape> shapes;
    const bool mainDone = progress.phase != 0 || progress.row >= 3;
    const int currentStep = mainDone ? 10 : progress.MainStep();
    for (int step = 1; step <= 9 && step <= currentStep; ++step) {
        TargetProgress at;
        at.row = (step - 1) / 3;
        at.column = (step - 1) % 3;
        shapes.push_back(
            MainTarget(g, at.row, at.MainScreenColumn(),
                       step == currentStep ? TargetStyle::kCurrent : TargetStyle::kMeasured));
    }
    if (progress.phase != 1) return shapes;
    const int current = progress.InnerIndex();
    for (int n = 0; n < 4 && n <= current; ++n)
        shapes.push_back(InnerTarget(
            g, n / 2, n % 2, n == current ? TargetStyle::kCurrent : TargetStyle::kMeasured));
    return shapes;
}

std::vector<TargetShape> AllTargets(const TargetGeometry& g, TargetStyle style) {
    std::vector<TargetShape> shapes;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) shapes.push_back(MainTarget(g, i, j, style));
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) shapes.push_back(InnerTarget(g, a, b, style));
    return shapes;
}

}  // namespace halvertone
