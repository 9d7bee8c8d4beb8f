#include "calibration/table_builder.h"

#include <optional>
#include <string>
#include <utility>

#include "calibration/border_fill.h"
#include "calibration/cell_assignment.h"
#include "calibration/fine_correction.h"
#include "calibration/lattice_derivation.h"
#include "calibration/lattice_extension.h"
#include "calibration/lattice_lines.h"
#include "calibration/per_pixel_table_fill.h"
#include "calibration/precise_table.h"
#include "calibration/scan_window.h"
#include "platform/program_log.h"

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
    const int32_t mode = settings_.mappingMode;
    if (flag == 1) {
        // The extension moves the outer points; a camera model wants them as measured.
        settings_.measured = TakeMeasured(grid);
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
    // its lines stand where the targets were drawn; modes 1 and 2 place them there. Mode 0 and
    // other positions keep screen quarters.
    const bool onCrosses = mode == kCrossesMapping || mode == kPreciseMapping;
    const std::optional<LatticeLines> atTargets =
        position == kUpright && onCrosses ? TargetLines(targets) : std::nullopt;
    const std::optional<CameraModelParams> model =
        mode == kPreciseMapping ? PreciseModel(targets, position) : std::nullopt;
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
    // The model replaces the cells inside the region; the border fill beyond it stays the
    // lattice's, which is also the table when the model is refused.
    bool modelled = false;
    if (model) {
        const std::string refused = FillFromModel(table, mapping_.activeRegion, *model, w, h);
        modelled = refused.empty();
        if (!modelled) LogLine("Precise mapping not used (" + refused + "); mapping as mode 1");
    }
    // The fixed shifts of whole screen bands make up for quarters that stand away from the
    // targets; on lines at the targets, or from a model, they would only move the pen off.
    if (!atTargets && !modelled) ApplyFineCorrection(table, mapping_.scanWindow, position, w, h);

    mapping_.scanWindow = kWholeFrame;
    return 0;
}

std::optional<CameraModelParams> TableBuilder::PreciseModel(const TargetGeometry& targets,
                                                            int32_t position) const {
    if (!settings_.measured.Complete()) {
        LogLine(
            "Precise mapping not used (no measured points stored; calibrate again); "
            "mapping as mode 1");
        return std::nullopt;
    }
    const auto pairs = CalibrationPairs(settings_.measured, targets, position);
    const CameraFit fit = FitCameraModel(pairs, targets.screenWidth, targets.screenHeight);
    if (!fit.ok) {
        LogLine("Precise mapping not used (" + fit.whyNot + "); mapping as mode 1");
        return std::nullopt;
    }
    return fit.model;
}

void TableBuilder::SaveCalibration(int32_t position, int32_t w, int32_t h) {
    if (!file_.Writable()) return;
    // The reload brings back what the file holds. The calibration just made must survive it:
    // the ProjectorPosition it found is written after the reload, and the lattice is kept even
    // if the file refused the writes, so the table is built from this calibration either way.
    const CalibrationGrid calibrated = settings_.grid;
    const MeasuredPoints measured = settings_.measured;
    WriteLattice(*file_.store, calibrated, w, h);
    WriteMeasuredPoints(*file_.store, measured);
    if (file_.reloadSettings) file_.reloadSettings();
    settings_.grid = calibrated;
    settings_.measured = measured;
    settings_.projectorPosition = position;
    WriteProjectorPosition(*file_.store, position);
}

}  // namespace halvertone
