#pragma once
// What a camera sees of the projected screen: a perspective view (the screen's four corners
// land on four camera positions) through a lens with radial distortion. Maps screen points to
// camera points and back, so tests can place a light spot where the camera would see it and
// know the true screen point behind any camera pixel.
//
// Coordinates are continuous pixels: screen pixel (i, j) covers [i, i + 1) x [j, j + 1), the
// screen runs from (0, 0) to (W, H); likewise the camera frame from (0, 0) to (640, 480).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "base/calibration_grid.h"
#include "calibration/target_layout.h"
#include "simulator/homography.h"
#include "simulator/point2.h"
#include "simulator/screen_projection.h"

namespace halvertone::sim {

struct CameraModelConfig {
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;
    // Where the screen's top-left, top-right, bottom-right and bottom-left corners appear in an
    // upright camera picture (after the lens), in camera pixels. The default is a slightly
    // keystoned view that fills most of the frame.
    std::array<Point2, 4> corners{{{72, 54}, {582, 42}, {600, 438}, {52, 426}}};
    // Radial distortion about the frame's centre: r_lens = r (1 + k1 r^2) with r in units of
    // focalPixels. Negative k1 is barrel distortion (straight lines bow outward).
    double k1 = 0;
    double focalPixels = 550;  // about a 60 degree horizontal view
    bool upsideDown = false;   // the camera picture turned by 180 degrees
    bool mirrored = false;     // the camera picture mirrored left to right
};

using halvertone::CrossOf;

class CameraModel {
  public:
    explicit CameraModel(const CameraModelConfig& config);

    const CameraModelConfig& Config() const { return config_; }
    // False when the corners do not span a quadrilateral or lie beyond what the lens can show.
    bool Valid() const { return valid_; }

    Point2 ScreenToCamera(Point2 screen) const;
    // None where the lens shows nothing (beyond its widest angle) or the view is degenerate.
    std::optional<Point2> CameraToScreen(Point2 camera) const;

    // This view as the synthetic camera's projection (a copy of the model).
    sim::ScreenToCamera Projection() const;

    // The camera pixel that sees screen pixel (i, j), or none outside the frame.
    std::optional<PixelPoint> CameraPixelOf(PixelPoint screenPixel) const;

    // The thirteen points a perfect calibration measures: the camera pixels that see the
    // crosses of the nine main and four inner targets. The twelve derived points stay zero.
    // The targets use this model's screen size with `targets`' margins and size.
    // `disturb`, when given, moves each camera position before it is taken as a whole pixel.
    CalibrationGrid MeasuredLattice(const TargetGeometry& targets,
                                    const std::function<Point2(Point2)>& disturb = {}) const;

  private:
    Point2 Distort(Point2 p) const;
    std::optional<Point2> Undistort(Point2 p) const;
    Point2 Turn(Point2 p) const;  // upside-down / mirror; its own inverse

    CameraModelConfig config_;
    Homography screenToIdeal_;
    Homography idealToScreen_;
    bool valid_ = false;
};

}  // namespace halvertone::sim
