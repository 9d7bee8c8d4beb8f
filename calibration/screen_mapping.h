#pragma once
// What the trackers read on every frame: the camera-to-screen table, the calibrated screen's
// outline in camera pixels (ActiveRegion), the off-screen zones and the scan window. Built by
// the table construction; the trackers are stopped (dispatch flags cleared) while it runs.
#include <algorithm>
#include <memory>
#include <optional>

#include "base/pixel_rect.h"
#include "calibration/camera_to_screen_table.h"
#include "calibration/outside_zones.h"
#include "calibration/polygon_region.h"

namespace halvertone {

// Farther off any screen than a position can usefully be (screens stay below 32768 pixels).
inline constexpr int32_t kScreenPositionLimit = 1 << 16;

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
    // A degenerate lattice can leave entries near the 32-bit limits: they are held to
    // kScreenPositionLimit on either side, so no tool's arithmetic on a position overflows.
    std::optional<PixelPoint> LookUp(int32_t x, int32_t y) const {
        if (!IsInside(x, y)) return std::nullopt;
        const PixelPoint p = table_->At(x, y);
        return PixelPoint{std::clamp(p.x, -kScreenPositionLimit, kScreenPositionLimit),
                          std::clamp(p.y, -kScreenPositionLimit, kScreenPositionLimit)};
    }
    int32_t ClassifyOutside(int32_t x, int32_t y) const { return outsideZones.Classify(x, y); }

  private:
    std::unique_ptr<CameraToScreenTable> table_;
};

}  // namespace halvertone
