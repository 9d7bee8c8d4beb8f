#include "calibration/outside_zones.h"

namespace halvertone {

void OutsideZones::Build(const CalibrationGrid& g) {
    const PixelPoint top[] = {{0, 0}, g.G(0, 0), g.G(0, 1), g.G(0, 2), g.G(0, 3), g.G(0, 4), {640, 0}};
    const PixelPoint bottom[] = {g.G(4, 0), g.G(4, 1), g.G(4, 2), g.G(4, 3),
                                 g.G(4, 4), {640, 480}, {0, 480}};
    top_ = PolygonRegion::FromPolygon(top);
    bottom_ = PolygonRegion::FromPolygon(bottom);
    left_ = PixelRect{0, 0, g.G(2, 0).x, 480};
    right_ = PixelRect{g.G(2, 4).x, 0, 640, 480};
    built_ = true;
}

int32_t OutsideZones::Classify(int32_t x, int32_t y) const {
    if (!built_) return kOutsideNone;
    if (top_.Contains(x, y) || bottom_.Contains(x, y)) return kOutsideTopBottom;
    if (left_.Contains(x, y)) return kOutsideLeft;
    if (right_.Contains(x, y)) return kOutsideRight;
    return kOutsideNone;
}

}  // namespace halvertone
