#include "calibration/target_checks.h"

namespace halvertone {
namespace {

constexpr int32_t kMiddleX = 320;
constexpr int32_t kMiddleY = 240;
constexpr int32_t kEarlyDrop = 50;  // step 4: far enough below the top row to be the next row
constexpr int32_t kInnerMargin = 20;

// The new coordinate within +-(spacing / 5) of a reference coordinate.
bool Near(int32_t value, int32_t reference, int32_t spacing) {
    const int32_t e = spacing / 5;
    return reference - e <= value && value <= reference + e;
}

bool InRange(int32_t v, int32_t lo, int32_t hi) {
    return lo <= v && v <= hi;
}

}  // namespace

bool Within(int64_t d, int64_t e) {
    return (3 * e) / 5 <= d && d <= (7 * e) / 5;
}

int32_t ProjectorPositionFromFirstTarget(PixelPoint p) {
    if (p.x > kMiddleX && p.y > kMiddleY) return kTurned180;
    if (p.x > kMiddleX && p.y < kMiddleY) return kMirroredLeftRight;
    if (p.x < kMiddleX && p.y > kMiddleY) return kMirroredTopBottom;
    return kUpright;
}

bool PlausibleMainTarget(int step, PixelPoint p, const CalibrationGrid& grid, int32_t position) {
    int32_t sx = 1;  // -1: the camera sees the screen's left and right swapped
    int32_t sy = 1;  // -1: top and bottom swapped
    switch (position) {
        case kUpright:
            break;
        case kTurned180:
            sx = sy = -1;
            break;
        case kMirroredLeftRight:
            sx = -1;
            break;
        case kMirroredTopBottom:
            sy = -1;
            break;
        default:
            return true;
    }
    auto G = [&grid](int r, int c) { return grid.G(r, c); };
    const int32_t x = p.x;
    const int32_t y = p.y;
    // Every difference is taken in the direction in which it is positive for a camera that
    // sees the screen the way `position` says.
    auto H = [sx](int64_t d, int64_t e) { return Within(sx * d, sx * e); };
    auto V = [sy](int64_t d, int64_t e) { return Within(sy * d, sy * e); };
    switch (step) {
        case 2: {
            const int32_t t = sy * (kMiddleY - G(0, 0).y) / 5;
            return H(x - G(0, 0).x, kMiddleX - G(0, 0).x) &&
                   InRange(y, G(0, 0).y - t, G(0, 0).y + t);
        }
        case 3: {
            const int32_t t = sy * (kMiddleY - G(0, 0).y) / 5;
            return H(x - G(0, 2).x, G(0, 2).x - G(0, 0).x) &&
                   InRange(y, G(0, 2).y - t, G(0, 2).y + t);
        }
        case 4: {
            const int32_t d = sy * (y - G(0, 4).y);
            return Near(x, G(0, 4).x, sx * (G(0, 4).x - G(0, 2).x)) &&
                   (d > kEarlyDrop || Within(d, sy * (kMiddleY - G(0, 4).y)));
        }
        case 5:
            return H(G(2, 4).x - x, G(0, 4).x - G(0, 2).x) &&
                   V(y - G(0, 2).y, G(2, 4).y - G(0, 4).y);
        case 6:
            return H(G(2, 2).x - x, G(0, 2).x - G(0, 0).x) &&
                   V(y - G(0, 0).y, G(2, 2).y - G(0, 2).y);
        case 7:
            return Near(x, G(2, 0).x, sx * (G(2, 2).x - G(2, 0).x)) &&
                   V(y - G(2, 0).y, G(2, 0).y - G(0, 0).y);
        case 8:
            return H(x - G(4, 0).x, G(2, 2).x - G(2, 0).x) &&
                   V(y - G(2, 2).y, G(4, 0).y - G(2, 0).y);
        case 9:
            return H(x - G(4, 2).x, G(2, 4).x - G(2, 2).x) &&
                   V(y - G(2, 4).y, G(4, 2).y - G(2, 2).y);
        default:
            return true;
    }
}

bool InnerTargetInside(int n, PixelPoint p, const CalibrationGrid& grid) {
    if (n < 0 || n > 3) return true;
    // The quadrant's top-left and bottom-right main points: the x range comes from the two
    // points of its upper row, the y range from the two points of its left column.
    const int r = n / 2 * 2;
    const int c = n % 2 * 2;
    const PixelPoint topLeft = grid.G(r, c);
    const PixelPoint topRight = grid.G(r, c + 2);
    const PixelPoint bottomLeft = grid.G(r + 2, c);
    return InRange(p.x, topLeft.x + kInnerMargin, topRight.x - kInnerMargin) &&
           InRange(p.y, topLeft.y + kInnerMargin, bottomLeft.y - kInnerMargin);
}

}  // namespace halvertone
