#pragma once
// Where a finished calibration is saved: the lattice keys of section "SETTING" in
// "Setting.ini", only when the program found that file at start-up.
#include <cstdint>
#include <functional>

#include "base/calibration_grid.h"
#include "base/measured_points.h"
#include "platform/profile_store.h"

namespace halvertone {

struct CalibrationFile {
    bool settingsFileFound = false;        // SettingsFileFound
    ProfileStore* store = nullptr;         // "Setting.ini"
    std::function<void()> reloadSettings;  // reloads every setting from that file

    bool Writable() const { return settingsFileFound && store != nullptr; }
};

// "Calibration-Screen-x", "Calibration-Screen-y", then the nine "Calibration %d-x/-y" and the
// sixteen "Calibration_2 %d-x/-y" pairs in index order, each as a decimal integer.
void WriteLattice(ProfileStore& store, const CalibrationGrid& grid, int32_t screenWidth,
                  int32_t screenHeight);
void WriteProjectorPosition(ProfileStore& store, int32_t projectorPosition);
// The thirteen "Measured Point %d-x/-y" pairs, from which a precise table is rebuilt.
void WriteMeasuredPoints(ProfileStore& store, const MeasuredPoints& measured);
void WriteMappingMode(ProfileStore& store, int32_t mappingMode);

}  // namespace halvertone
