#pragma once
// The straightforward way to fill the table: a winding-number test against the polygons'
// vertices for every pixel, the ActiveRegion once and up to two tests per cell, as a
// point-in-region call answers them one point at a time. Far too slow for the program (tens of
// milliseconds per build); kept as the reference the span-wise fill must match exactly and as
// the baseline of the build benchmark.
#include <cstdint>
#include <span>

#include "base/pixel_rect.h"
#include "calibration/border_fill.h"
#include "calibration/camera_to_screen_table.h"
#include "calibration/cell_assignment.h"

namespace halvertone {

// Pixel (x, y) inside the polygon by the winding rule with region pixel rules: the integer
// point (x, y) is tested, left and top edges inside, right and bottom edges outside.
bool PolygonContainsPixel(std::span<const PixelPoint> polygon, int32_t x, int32_t y);

void AssignCellsPerPixel(CameraToScreenTable& table, std::span<const PixelPoint> activeOutline,
                         const GridCells& cells);

// Every window pixel in row order, each tested for (-1, -1) when it is reached.
void FillBordersPerPixel(CameraToScreenTable& table, const BorderZones& zones);

}  // namespace halvertone
