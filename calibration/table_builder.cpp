#include "calibration/table_builder.h"

#include <optional>
#include <utility>

#include "calibration/border_fill.h"
#include "calibration/cell_assignment.h"
#include "calibration/fine_correction.h"
#include "calibration/lattice_derivation.h"
#include "calibration/lattice_extension.h"
#include "calibration/lattice_lines.h"
#include "calibration/per_pixel_table_fill.h"
#include "calibration/scan_window.h"

namespace halvertone {

TableBuilder::TableBuilder(Settings& settings, const ScreenMetrics& metrics, ScreenMapping& mapping,
                           CalibrationFile file, TableFill fill)
    : settings_(settings),
      metrics_(metrics),
      mapping_(mapping),
      file_(std::move(file)),
      fill_(fill) {}

int TableBuilder::Build(int flag) {
    const int32_t w = metrics_.width, h = metrics_.height;
    const int32_t position = settings_.projectorPosition;
    CalibrationGrid& grid = settings_.grid;

    // Runs on every build, so after a restart the derived points come again from the stored
    // measured points (which by then include the outward extension).
    if (position == kUpright) DeriveLattice(grid);
    const TargetGeometry targets{.size = settings_.calibrationSize,
                                 .shiftX = settings_.calibrationShiftX,
                                 .shiftY = settings_.calibrationShiftY,
                                 .screenWidth = w,
                                 .screenHeight = h};
    if (flag == 1) {
        if (position == kUpright) ExtendOuterRing(grid, targets);
        SaveCalibration(position, w, h);
    }

    const auto outline = grid.OuterRing();
    mapping_.activeRegion = PolygonRegion::FromPolygon(outline);
    // Zones from another camera view would classify against an outline that no longer holds,
    // so they are dropped rather than kept from an earlier build.
    if (position == kUpright)
        mapping_.outsideZones.Build(grid);
    else
        mapping_.outsideZones.Clear();
    mapping_.scanWindow =
        WidenedScanWindow(mapping_.activeRegion.BoundingBox(), settings_.calibrationShiftX,
                          settings_.calibrationShiftY);

    // An upright lattice was derived from the targets and extended to the screen's edges, so
    // its lines stand where the targets were drawn. Other positions keep screen quarters.
    const std::optional<LatticeLines> atTargets =
        position == kUpright ? TargetLines(targets) : std::nullopt;
    const LatticeLines lines = atTargets.value_or(QuarterLines(w, h));
    GridCells cells;
    for (int k = 0; k < kGridCells; ++k)
        cells[static_cast<size_t>(k)] = GridCell(grid, k, lines, w, h, position);
    CameraToScreenTable& table = mapping_.Table();
    const BorderZones zones = MakeBorderZones(grid, mapping_.scanWindow);
    if (fill_ == TableFill::kPerPixel) {
        AssignCellsPerPixel(table, outline, cells);
        FillBordersPerPixel(table, zones);
    } else {
        AssignCells(table, mapping_.activeRegion, cells);
        FillBorders(table, zones);
    }
    // The fixed shifts of whole screen bands make up for quarters that stand away from the
    // targets; on lines at the targets they would only move the pen off again.
    if (!atTargets) ApplyFineCorrection(table, mapping_.scanWindow, position, w, h);

    mapping_.scanWindow = kWholeFrame;
    return 0;
}

void TableBuilder::SaveCalibration(int32_t position, int32_t w, int32_t h) {
    if (!file_.Writable()) return;
    // The reload brings back what the file holds. The calibration just made must survive it:
    // the ProjectorPosition it found is written after the reload, and the lattice is kept even
    // if the file refused the writes, so the table is built from this calibration either way.
    const CalibrationGrid calibrated = settings_.grid;
    WriteLattice(*file_.store, calibrated, w, h);
    if (file_.reloadSettings) file_.reloadSettings();
    settings_.grid = calibrated;
    settings_.projectorPosition = position;
    WriteProjectorPosition(*file_.store, position);
}

}  // namespace halvertone
