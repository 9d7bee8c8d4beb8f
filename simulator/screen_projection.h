#pragma once
// Where the camera sees a point of the projected screen. The synthetic camera takes any such
// mapping, so a full camera model (perspective, lens distortion) can replace the affine one.
#include <functional>
#include <optional>

namespace halvertone::sim {

struct CameraPointF {
    double x = 0;  // camera pixels, 0 = left
    double y = 0;  // camera pixels, 0 = top row of the picture
};

// Screen pixel -> camera pixel; nothing when the camera cannot see the point.
using ScreenToCamera = std::function<std::optional<CameraPointF>(double x, double y)>;

// camera x = ax * sx + bx * sy + cx, camera y = ay * sx + by * sy + cy.
struct AffineProjection {
    double ax = 1, bx = 0, cx = 0;
    double ay = 0, by = 1, cy = 0;

    // The whole screen seen straight on, filling the camera rectangle from (left, top) to
    // (right, bottom).
    static AffineProjection FromRect(double screenWidth, double screenHeight, double left,
                                     double top, double right, double bottom);

    std::optional<CameraPointF> operator()(double x, double y) const {
        return CameraPointF{ax * x + bx * y + cx, ay * x + by * y + cy};
    }
};

// The default view: the screen fills the middle three quarters of the picture.
AffineProjection DefaultProjection(double screenWidth, double screenHeight);

}  // namespace halvertone::sim
