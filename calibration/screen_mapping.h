#pragma once
// What the trackers read on every frame: the camera-to-screen table, the calibrated screen's
// outline in camera pixels (ActiveRegion), the off-screen zones and the scan window. Built by
// the table construction; the trackers are stopped (dispatch flags cleared) while it runs.
#include <memory>
#include <optional>

#include "calibration/camera_to_screen_table.h"
#include "calibration/outside_zones.h"
#include "calibration/pixel_rect.h"
#include "calibration/polygon_region.h"

namespace halvertone {

class ScreenMapping {
public:
    ScreenMapping() : table_(std::make_unique<CameraToScreenTable>()) {}

    CameraToScreenTable& Table() { return *table_; }
    const CameraToScreenTable& Table() const { return *table_; }

    PolygonRegion activeRegion;  // empty until the first build
    OutsideZones outsideZones;
    PixelRect scanWindow = kWholeFrame;

    // Inside the frame and the ActiveRegion.
    bool IsInside(int32_t x, int32_t y) const {
        return CameraToScreenTable::InFrame(x, y) && activeRegion.Contains(x, y);
    }
    // The screen position of a camera pixel inside the region; a -1 component is passed on.
    std::optional<PixelPoint> LookUp(int32_t x, int32_t y) const {
        if (!IsInside(x, y)) return std::nullopt;
        return table_->At(x, y);
    }
    int32_t ClassifyOutside(int32_t x, int32_t y) const { return outsideZones.Classify(x, y); }

private:
    std::unique_ptr<CameraToScreenTable> table_;
};

}  // namespace halvertone
