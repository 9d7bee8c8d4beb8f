#pragma once
// The central step of a table build: every camera pixel inside the ActiveRegion gets the screen
// position given by the first GridCell (k = 0..15) that holds it while the cell directly below
// (k + 4) does not; a pixel no cell takes becomes (-1, -1). So a pixel on the edge between two
// cells one above the other goes to the lower one, and between two side by side to the left
// one. Pixels outside the ActiveRegion keep their entries.
#include <array>

#include "calibration/camera_to_screen_table.h"
#include "calibration/grid_cell.h"
#include "calibration/polygon_region.h"

namespace halvertone {

using GridCells = std::array<GridCell, kGridCells>;

// Works span by span: the regions' row spans decide which cell holds a pixel, and each cell's
// top and bottom edges are worked out once per column.
void AssignCells(CameraToScreenTable& table, const PolygonRegion& activeRegion,
                 const GridCells& cells);

}  // namespace halvertone
