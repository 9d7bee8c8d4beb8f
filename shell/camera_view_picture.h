#pragma once
// The camera view's picture: the camera frame with what the trackers make of it drawn in.
// Pixels at or above the spot threshold are tinted, the found spot gets its box and centre,
// the calibrated screen its outline and the 25 lattice points. The picture keeps the frame's
// layout (bottom-up, blue-green-red), so a window shows it as a plain device-independent
// bitmap.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/calibration_grid.h"
#include "base/pixel_rect.h"
#include "capture/camera_frame.h"
#include "tracking/spot_box.h"

namespace halvertone {

struct ViewColour {
    uint8_t r, g, b;
    friend bool operator==(const ViewColour&, const ViewColour&) = default;
};

inline constexpr ViewColour kBrightTint{255, 0, 255};
inline constexpr ViewColour kSpotColour{255, 255, 0};
inline constexpr ViewColour kOutlineColour{0, 255, 255};
inline constexpr ViewColour kLatticeColour{0, 255, 0};

struct CameraViewMarks {
    uint8_t threshold = 255;
    std::optional<SpotBox> spot;
    // Empty until a calibration exists: the outline as the camera sees the screen's edge,
    // closed back to its first point, and the lattice.
    std::vector<PixelPoint> outline;
    std::vector<PixelPoint> lattice;
};

// The marks for one frame: the spot as the trackers would find it in `scanWindow`, and the
// calibration `grid` (all points at the origin: not calibrated).
CameraViewMarks MarksFor(const CameraFrame& frame, uint8_t threshold, const PixelRect& scanWindow,
                         const CalibrationGrid& grid);

// Composes the picture into `out` (resized to a whole frame). Marks outside the frame are
// cut off at its edge.
void ComposeCameraView(const CameraFrame& frame, const CameraViewMarks& marks,
                       std::vector<uint8_t>& out);

// The colour at image pixel (x, y) of a picture in the frame's layout.
ViewColour ColourAt(const std::vector<uint8_t>& picture, int x, int y);

}  // namespace halvertone
