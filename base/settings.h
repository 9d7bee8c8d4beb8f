#pragma once
// The settings record: every tunable value, read in place at the moment of use. Filled by the
// settings load (from "Setting.ini" section "SETTING", or the registry without that file);
// values that worker threads read while a reload writes them are SharedValues.
#include <array>
#include <cstdint>
#include <string>

#include "base/calibration_grid.h"
#include "base/measured_points.h"
#include "base/shared_value.h"

namespace halvertone {

inline constexpr int kCameraIdSlots = 10;
inline constexpr size_t kCameraIdMaxChars = 9;

struct Settings {
    // Camera ids: up to 10 entries of up to 9 characters each; the count is the smaller of
    // the two token counts. Only the first pair takes part in device matching.
    std::array<std::string, kCameraIdSlots> pid{};
    std::array<std::string, kCameraIdSlots> vid{};
    int32_t cameraIdCount = 0;

    SharedValue<int32_t> operationMode{0};
    SharedValue<uint32_t> penColor{0xFF0000};  // GDI colour 0x00BBGGRR
    SharedValue<int32_t> penWidth{3};
    SharedValue<uint8_t> checkEnvThreshold{150};  // low byte of the stored value
    SharedValue<uint8_t> threshold{150};          // low byte of the stored value
    SharedValue<int32_t> transparency{0};
    SharedValue<int32_t> side{1};
    SharedValue<int32_t> rButtonTicks{250};
    SharedValue<int32_t> penButtonMode{1};
    SharedValue<int32_t> mouseDownMoveSpeed{10};
    SharedValue<int32_t> drawSensitivity{10};
    SharedValue<int32_t> drawSensitivityX{2};
    SharedValue<int32_t> drawSensitivityY{2};
    SharedValue<int32_t> calibrationShiftX{10};
    SharedValue<int32_t> calibrationShiftY{10};
    SharedValue<int32_t> calibrationSize{16};
    SharedValue<int32_t> drawLineSmoothEnable{1};
    SharedValue<int32_t> mouseSensitivity{4};
    SharedValue<int32_t> jpegCompressRatio{90};
    SharedValue<int32_t> flip{0};

    CalibrationGrid grid;  // "Calibration %d-x/y" (MainPoints), "Calibration_2 %d-x/y" (GridPoints)
    SharedValue<int32_t> projectorPosition{0};
    // "Mapping Mode": 0 the lattice on screen quarters with the band shifts, 1 upright lattices
    // on the drawn crosses without them, 2 a camera model fitted to `measured`.
    SharedValue<int32_t> mappingMode{0};
    MeasuredPoints measured;  // "Measured Point %d-x/y", %d = 1..13

    // Decoded from "Pen Button Mode": 0 both clear, 1 board-follows-tool, 2 capture-tool;
    // other values leave both as they were.
    SharedValue<bool> captureToolFlag{false};
    SharedValue<bool> boardFollowsToolFlag{false};
};

}  // namespace halvertone
