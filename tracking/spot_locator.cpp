#include "tracking/spot_locator.h"

namespace halvertone {

SpotLocation LocateSpot(const CameraFrame& frame, const ScreenMapping& mapping, uint8_t threshold,
                        ScanRows rows) {
    SpotLocation loc;
    const auto spot = FindSpot(frame, mapping.scanWindow, threshold, rows);
    if (!spot) return loc;
    loc.centre = spot->box.Centre();
    if (const auto screen = mapping.LookUp(loc.centre.x, loc.centre.y)) {
        loc.kind = SpotLocation::Kind::kInside;
        loc.screen = *screen;
    } else {
        loc.kind = SpotLocation::Kind::kOutside;
        loc.outsideClass = mapping.ClassifyOutside(loc.centre.x, loc.centre.y);
    }
    return loc;
}

}  // namespace halvertone
