#pragma once
// The screen places the lattice's columns and rows stand for, and so the screen rectangle of
// each of the 16 cells.
#include <array>
#include <cstdint>
#include <optional>

#include "calibration/target_layout.h"

namespace halvertone {

struct LatticeLines {
    std::array<int32_t, 4> cellX{}, cellWidth{};   // screen left and width of cell column c
    std::array<int32_t, 4> cellY{}, cellHeight{};  // screen top and height of cell row r
};

// Quarters of the screen: cells start at 0, W/4, W/2 and 3 * (W/4) (truncated quarters) and
// span W/4 + 1 pixels; likewise down.
LatticeLines QuarterLines(int32_t screenWidth, int32_t screenHeight);

// An upright calibration's lattice where it really lies on the screen. The inner targets'
// crosses stand several pixels away from the screen's quarters (262 against 256 on a
// 1024-pixel screen), so quarters would move every pen position near them by that much. The
// outer ring, pushed out by the extension, stands for the screen's edges; the middle lines
// for the main targets' middle column and row; the others for the inner targets' columns and
// rows. Each cell then spans from its line to the next. None when the margins and sizes leave
// the lines out of order, or when one of them reaches 2^24 in magnitude; the caller then uses
// quarters.
std::optional<LatticeLines> TargetLines(const TargetGeometry& targets);

}  // namespace halvertone
