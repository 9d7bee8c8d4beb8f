#pragma once
// A plane projective mapping (3 x 3 matrix, last entry 1): how a flat screen appears through a
// pinhole camera, and the simplest whole-screen calibration to compare the table with.
#include <array>
#include <optional>

#include "simulator/point2.h"

namespace halvertone::sim {

class Homography {
  public:
    // The mapping that takes from[i] to to[i]; none when three of the points are collinear.
    static std::optional<Homography> FromCorners(const std::array<Point2, 4>& from,
                                                 const std::array<Point2, 4>& to);

    Point2 Apply(Point2 p) const;
    std::optional<Homography> Inverse() const;

  private:
    std::array<double, 9> m_{1, 0, 0, 0, 1, 0, 0, 0, 1};
};

}  // namespace halvertone::sim
