#include "base/setting_keys.h"

#include <algorithm>
#include <string>

#include "base/screen_metrics.h"

namespace halvertone {
namespace {

template <typename T>
IntSettingKey Field(const char* name, int32_t def, bool fromRegistry,
                    SharedValue<T> Settings::*field) {
    return IntSettingKey{
        name, def, fromRegistry,
        // The two thresholds keep only the low byte; the colour is the value's 32 bits.
        [field](Settings& s, int32_t raw) { (s.*field) = static_cast<T>(raw); },
        [field](const Settings& s) { return static_cast<int64_t>((s.*field).load()); }};
}

// A key whose value goes into screen arithmetic (the calibration targets' size and margins):
// a hand-edited value beyond any screen is held at the nearest bound.
IntSettingKey Bounded(const char* name, int32_t def, int32_t lo, int32_t hi,
                      SharedValue<int32_t> Settings::*field) {
    IntSettingKey key = Field(name, def, true, field);
    key.store = [field, lo, hi](Settings& s, int32_t raw) { (s.*field) = std::clamp(raw, lo, hi); };
    return key;
}

enum class PointArray { kMain, kGrid, kMeasured };

IntSettingKey Point(const std::string& name, bool fromRegistry, PointArray array, size_t index,
                    bool y) {
    auto ref = [ array, index, y ](auto& s) -> auto& {
        auto& p = array == PointArray::kGrid   ? s.grid.gridPoints[index]
                  : array == PointArray::kMain ? s.grid.mainPoints[index]
                                               : s.measured.points[index];
        return y ? p.y : p.x;
    };
    // A measured point never stored reads as -1, which no camera position is.
    const int32_t def = array == PointArray::kMeasured ? -1 : 0;
    return IntSettingKey{name, def, fromRegistry, [ref](Settings& s, int32_t raw) { ref(s) = raw; },
                         [ref](const Settings& s) { return static_cast<int64_t>(ref(s)); }};
}

std::vector<IntSettingKey> BuildKeys() {
    std::vector<IntSettingKey> keys = {
        Field("Operation Mode", 0, true, &Settings::operationMode),
        Field("Pen Color", 0xFF0000, true, &Settings::penColor),
        Field("Pen Width", 3, true, &Settings::penWidth),
        Field("CheckEnv Threshold", 150, true, &Settings::checkEnvThreshold),
        Field("Threshold", 150, true, &Settings::threshold),
        Field("Transparency", 0, true, &Settings::transparency),
        Field("SIDE", 1, true, &Settings::side),
        Field("RButton Ticks", 250, true, &Settings::rButtonTicks),
        Field("Pen Button Mode", 1, true, &Settings::penButtonMode),
        Field("Mouse Down Move Speed", 10, true, &Settings::mouseDownMoveSpeed),
        Field("Draw Sensitivity", 10, true, &Settings::drawSensitivity),
        Field("Draw Sensitivity-x", 2, true, &Settings::drawSensitivityX),
        Field("Draw Sensitivity-y", 2, true, &Settings::drawSensitivityY),
        Bounded("Calibration Shift X", 10, -kScreenExtentLimit, kScreenExtentLimit,
                &Settings::calibrationShiftX),
        Bounded("Calibration Shift Y", 10, -kScreenExtentLimit, kScreenExtentLimit,
                &Settings::calibrationShiftY),
        Bounded("Calibration Size", 16, 0, kScreenExtentLimit, &Settings::calibrationSize),
        Field("Draw Line Smooth Enable", 1, true, &Settings::drawLineSmoothEnable),
        Field("Mouse Sensitivity", 4, true, &Settings::mouseSensitivity),
        Field("JPEG Compress Ratio", 90, true, &Settings::jpegCompressRatio),
        Field("Flip", 0, false, &Settings::flip),
    };
    for (size_t i = 0; i < 9; ++i) {
        const std::string n = "Calibration " + std::to_string(i + 1);
        keys.push_back(Point(n + "-x", true, PointArray::kMain, i, false));
        keys.push_back(Point(n + "-y", true, PointArray::kMain, i, true));
    }
    for (size_t i = 0; i < 16; ++i) {
        const std::string n = "Calibration_2 " + std::to_string(i + 1);
        keys.push_back(Point(n + "-x", false, PointArray::kGrid, i, false));
        keys.push_back(Point(n + "-y", false, PointArray::kGrid, i, true));
    }
    keys.push_back(Field("Projector Position", 0, true, &Settings::projectorPosition));
    // This program's own keys: only "Setting.ini" holds them.
    keys.push_back(Field("Mapping Mode", 0, false, &Settings::mappingMode));
    for (size_t i = 0; i < kMeasuredCount; ++i) {
        const std::string n = "Measured Point " + std::to_string(i + 1);
        keys.push_back(Point(n + "-x", false, PointArray::kMeasured, i, false));
        keys.push_back(Point(n + "-y", false, PointArray::kMeasured, i, true));
    }
    return keys;
}

}  // namespace

const std::vector<IntSettingKey>& IntSettingKeys() {
    static const std::vector<IntSettingKey> keys = BuildKeys();
    return keys;
}

}  // namespace halvertone
