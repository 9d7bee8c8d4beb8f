#pragma once
// One of the 16 quadrilaterals of the lattice, GridCell k = 4r + c, and how it places a camera
// pixel on the screen. A cell stands for the screen rectangle between its lattice lines: a pixel's
// screen x is its position between the cell's left and right edges along its own row, its
// screen y its position between the top and bottom edges along its own column.
#include <array>
#include <cstdint>

#include "base/calibration_grid.h"
#include "base/pixel_rect.h"
#include "calibration/int32_math.h"
#include "calibration/lattice_lines.h"

namespace halvertone {

inline constexpr int kGridCells = 16;

class GridCell {
  public:
    GridCell() = default;
    GridCell(const CalibrationGrid& grid, int k, const LatticeLines& lines, int32_t screenWidth,
             int32_t screenHeight, int32_t projectorPosition);

    // Top left, top right, bottom right, bottom left: the order of the cell's polygon.
    const std::array<PixelPoint, 4>& Vertices() const { return v_; }

    // The edges' positions at camera row y or column x. Products are 32-bit, the division is
    // floating; the cells at the frame's border are limited to it: R <= 640 for cells 3, 7, 11
    // and 15, T >= 0 for cell 3, L >= 0 for cell 12 and B <= 480 for cells 12 and 15.
    double Left(int32_t y) const;
    double Right(int32_t y) const;
    double Top(int32_t x) const;
    double Bottom(int32_t x) const;

    // Where camera pixel x lies between the left and right edges of its row, in screen pixels
    // from the cell's left, is (x - L) * cw / (R - L); likewise y between the top and bottom
    // edges of its column, (y - T) * ch / (B - T). These are the numerators.
    double AcrossNumerator(int32_t x, double left) const { return (x - left) * cw_; }
    double DownNumerator(int32_t y, double top) const { return (y - top) * ch_; }

    // The screen position from those two: truncated, offset by the cell's screen corner and
    // reflected by ProjectorPosition (1: both axes, 2: x, 3: y).
    PixelPoint ScreenPosition(double across, double down) const {
        int64_t sx = x0_ + int64_t{TruncToInt32(across)};
        int64_t sy = y0_ + int64_t{TruncToInt32(down)};
        if (projectorPosition_ == kTurned180 || projectorPosition_ == kMirroredLeftRight)
            sx = screenWidth_ - sx;
        if (projectorPosition_ == kTurned180 || projectorPosition_ == kMirroredTopBottom)
            sy = screenHeight_ - sy;
        return {ClampToInt32(sx), ClampToInt32(sy)};
    }

    // For whole quotients tx, ty the screen position is (originX + stepX * tx, originY +
    // stepY * ty), steps of -1 where ProjectorPosition reflects an axis. `exact` tells whether
    // that holds for every |tx|, |ty| < 2^20 without leaving the 32-bit range.
    struct LinearScreen {
        int32_t originX = 0, stepX = 1, originY = 0, stepY = 1;
        bool exact = false;
    };
    LinearScreen Linear() const;

    // Screen position of camera pixel (x, y) from the edges at its row and column.
    PixelPoint Place(int32_t x, int32_t y, double left, double right, double top,
                     double bottom) const {
        return ScreenPosition(Quotient(AcrossNumerator(x, left), right - left),
                              Quotient(DownNumerator(y, top), bottom - top));
    }
    PixelPoint Place(int32_t x, int32_t y) const {
        return Place(x, y, Left(y), Right(y), Top(x), Bottom(x));
    }

  private:
    std::array<PixelPoint, 4> v_{};
    int k_ = 0;
    int32_t x0_ = 0, y0_ = 0;  // screen position of the cell's top-left corner
    int32_t cw_ = 0, ch_ = 0;  // screen size of the cell
    int32_t screenWidth_ = 0, screenHeight_ = 0;
    int32_t projectorPosition_ = 0;
};

}  // namespace halvertone
