#include "simulator/screen_projection.h"

namespace halvertone::sim {

AffineProjection AffineProjection::FromRect(double screenWidth, double screenHeight, double left,
                                            double top, double right, double bottom) {
    AffineProjection p;
    p.ax = screenWidth > 0 ? (right - left) / screenWidth : 0;
    p.bx = 0;
    p.cx = left;
    p.ay = 0;
    p.by = screenHeight > 0 ? (bottom - top) / screenHeight : 0;
    p.cy = top;
    return p;
}

AffineProjection DefaultProjection(double screenWidth, double screenHeight) {
    return AffineProjection::FromRect(screenWidth, screenHeight, 80, 60, 560, 420);
}

}  // namespace halvertone::sim
