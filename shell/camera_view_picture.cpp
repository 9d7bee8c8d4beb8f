#include "shell/camera_view_picture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "tracking/spot_finder.h"

namespace halvertone {
namespace {

constexpr int kLatticeDotRadius = 2;
constexpr int kCentreArm = 4;

class Canvas {
  public:
    explicit Canvas(std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    void Put(int x, int y, ViewColour c) {
        if (x < 0 || y < 0 || x >= kFrameWidth || y >= kFrameHeight) return;
        uint8_t* p = bytes_.data() + PixelOffset(x, y);
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
    }
    // Every pixel from `a` to `b`, both ends included; far-off ends are clipped first so a
    // wild calibration point cannot make the walk long.
    void Line(PixelPoint a, PixelPoint b, ViewColour c) {
        constexpr int32_t kFar = 4 * kFrameWidth;
        a = {std::clamp(a.x, -kFar, kFar), std::clamp(a.y, -kFar, kFar)};
        b = {std::clamp(b.x, -kFar, kFar), std::clamp(b.y, -kFar, kFar)};
        const int32_t dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
        const int32_t sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
        int32_t err = dx + dy;
        for (;;) {
            Put(a.x, a.y, c);
            if (a.x == b.x && a.y == b.y) return;
            const int32_t e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                a.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                a.y += sy;
            }
        }
    }

  private:
    std::vector<uint8_t>& bytes_;
};

bool Calibrated(const CalibrationGrid& grid) {
    const auto atOrigin = [](const PixelPoint& p) { return p.x == 0 && p.y == 0; };
    return !(std::all_of(grid.mainPoints.begin(), grid.mainPoints.end(), atOrigin) &&
             std::all_of(grid.gridPoints.begin(), grid.gridPoints.end(), atOrigin));
}

}  // namespace

CameraViewMarks MarksFor(const CameraFrame& frame, uint8_t threshold, const PixelRect& scanWindow,
                         const CalibrationGrid& grid) {
    CameraViewMarks marks;
    marks.threshold = threshold;
    if (const std::optional<SpotHit> hit =
            FindSpot(frame, scanWindow, threshold, ScanRows::kPenEraser)) {
        if (hit->box.minX <= hit->box.maxX && hit->box.minY <= hit->box.maxY) marks.spot = hit->box;
    }
    if (Calibrated(grid)) {
        const std::array<PixelPoint, 16> ring = grid.OuterRing();
        marks.outline.assign(ring.begin(), ring.end());
        marks.outline.push_back(ring.front());
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) marks.lattice.push_back(grid.G(r, c));
    }
    return marks;
}

void ComposeCameraView(const CameraFrame& frame, const CameraViewMarks& marks,
                       std::vector<uint8_t>& out) {
    out.resize(kFrameBytes);
    std::memcpy(out.data(), frame.bytes, kFrameBytes);
    Canvas canvas(out);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (frame.Green(x, y) >= marks.threshold) canvas.Put(x, y, kBrightTint);
    for (size_t i = 1; i < marks.outline.size(); ++i)
        canvas.Line(marks.outline[i - 1], marks.outline[i], kOutlineColour);
    for (const PixelPoint& p : marks.lattice)
        for (int dy = -kLatticeDotRadius; dy <= kLatticeDotRadius; ++dy)
            for (int dx = -kLatticeDotRadius; dx <= kLatticeDotRadius; ++dx)
                canvas.Put(p.x + dx, p.y + dy, kLatticeColour);
    if (marks.spot) {
        const SpotBox& b = *marks.spot;
        canvas.Line({b.minX, b.minY}, {b.maxX, b.minY}, kSpotColour);
        canvas.Line({b.maxX, b.minY}, {b.maxX, b.maxY}, kSpotColour);
        canvas.Line({b.maxX, b.maxY}, {b.minX, b.maxY}, kSpotColour);
        canvas.Line({b.minX, b.maxY}, {b.minX, b.minY}, kSpotColour);
        const PixelPoint c = b.Centre();
        canvas.Line({c.x - kCentreArm, c.y}, {c.x + kCentreArm, c.y}, kSpotColour);
        canvas.Line({c.x, c.y - kCentreArm}, {c.x, c.y + kCentreArm}, kSpotColour);
    }
}

ViewColour ColourAt(const std::vector<uint8_t>& picture, int x, int y) {
    const uint8_t* p = picture.data() + PixelOffset(x, y);
    return {p[2], p[1], p[0]};
}

}  // namespace halvertone
