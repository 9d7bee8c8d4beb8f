#pragma once
// A model of the camera fitted to calibration points: how a camera position maps to the
// screen through the lens (radial distortion r -> r (1 + k r^2) about the frame's centre) and
// the perspective view (a plane homography). Fitted by least squares to pairs of measured
// camera points and the screen points the user held the pen on, with the residual of every
// pair in screen pixels, so that the same fit can both build a table and grade a calibration.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace halvertone {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

struct FitPair {
    PlanePoint camera;  // camera pixels
    PlanePoint screen;  // screen pixels
};

class CameraModelParams {
  public:
    static constexpr size_t kCount = 9;  // homography h0..h7 (h8 = 1), lens k

    CameraModelParams() = default;
    CameraModelParams(const std::array<double, kCount>& p, PlanePoint screenCentre,
                      double screenScale)
        : p_(p), screenCentre_(screenCentre), screenScale_(screenScale) {}

    // The screen point a camera point maps to. Non-finite when the camera point lies on the
    // homography's horizon.
    PlanePoint Apply(PlanePoint camera) const;
    // Apply in two steps, for callers that look the lens up per distance: how far out the ray
    // behind a camera point `distance` camera pixels from the frame's centre lies, as a
    // multiple of that distance; then the screen point of a camera point with that multiple.
    double RayScale(double distance) const;
    PlanePoint Project(PlanePoint camera, double rayScale) const;
    // Whether every camera point within `radius` camera pixels of the frame's centre has one
    // ray behind it: a barrel lens's curve turns back beyond some distance.
    bool LensMonotonic(double radius) const;
    const std::array<double, kCount>& Values() const { return p_; }

  private:
    std::array<double, kCount> p_{1, 0, 0, 0, 1, 0, 0, 0, 0};
    PlanePoint screenCentre_;  // the homography works on centred, scaled screen coordinates
    double screenScale_ = 1;
};

struct CameraFit {
    bool ok = false;
    std::string whyNot;  // set when !ok; the model is then not to be used
    CameraModelParams model;
    std::vector<double> residuals;  // per pair, screen pixels, in the order given
    double largestResidual = 0;
    size_t largestAt = 0;  // index of the pair with the largest residual
};

// Needs at least seven distinct, well spread pairs (thirteen from a calibration); fails with a
// reason for too few or coinciding points, a degenerate spread (all on a line) and a fit that
// does not settle. `screenWidth`/`screenHeight` scale the tests of what counts as absurd.
CameraFit FitCameraModel(std::span<const FitPair> pairs, double screenWidth, double screenHeight);

// The frame's centre, about which the lens distorts.
inline constexpr PlanePoint kLensCentre{320, 240};

}  // namespace halvertone
